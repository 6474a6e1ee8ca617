// The entry points of folder items as the runtime's own C++ code (and its
// tests) call them. The folder item comes first; strings and objects passed
// in are lent, the strings and objects returned are new references.
#pragma once
#include <cstdint>

struct ObjectInstance;
struct StringObject;

extern "C" {
// Making items from paths (folderitemlookup.cpp).
ObjectInstance* RuntimeGetFolderItem(StringObject* path);
ObjectInstance* RuntimeGetTrueFolderItem(StringObject* path);
ObjectInstance* FolderItemFromPath(const char* path);
StringObject* OPALpathFromFolderItem(ObjectInstance* item);

// Properties (folderitemproperties.cpp).
StringObject* fileAbsolutePathGetter(ObjectInstance* item, int32_t);
StringObject* fileNameGetter(ObjectInstance* item, int32_t);
int32_t fileSizeGetter(ObjectInstance* item, int32_t);
int32_t fileRFSizeGetter(ObjectInstance* item, int32_t);
bool fileLockedGetter(ObjectInstance* item, int32_t);
void fileLockedSetter(ObjectInstance* item, int32_t, bool locked);
bool fileExistsGetter(ObjectInstance* item, int32_t);
bool fileAliasGetter(ObjectInstance* item, int32_t);
bool fileVisibleGetter(ObjectInstance* item, int32_t);
void fileVisibleSetter(ObjectInstance* item, int32_t, bool visible);
bool fileDirectoryGetter(ObjectInstance* item, int32_t);
StringObject* fileTypeGetter(ObjectInstance* item, int32_t);
ObjectInstance* folderParentGetter(ObjectInstance* item, int32_t);
ObjectInstance* folderGetCreation(ObjectInstance* item, int32_t);
void folderSetCreation(ObjectInstance* item, int32_t, ObjectInstance* date);
ObjectInstance* folderGetModified(ObjectInstance* item, int32_t);
void folderSetModified(ObjectInstance* item, int32_t, ObjectInstance* date);
StringObject* fileMacTypeGetter(ObjectInstance* item, int32_t);
void fileMacTypeSetter(ObjectInstance* item, int32_t, StringObject* code);
StringObject* fileMacCreatorGetter(ObjectInstance* item, int32_t);
void fileMacCreatorSetter(ObjectInstance* item, int32_t, StringObject* code);
ObjectInstance* folderFindFolder(ObjectInstance* item, int32_t);

// The folder listing (folderlisting.cpp).
int32_t fileCountGetter(ObjectInstance* item, int32_t);
ObjectInstance* FolderItemItem(ObjectInstance* item, int32_t index);
ObjectInstance* FolderItemTrueItem(ObjectInstance* item, int32_t index);

// Methods that name or change entries (folderitemmethods.cpp).
void fileNameSetter(ObjectInstance* item, int32_t, StringObject* name);
ObjectInstance* FolderChild(ObjectInstance* item, StringObject* name);
ObjectInstance* FolderTrueChild(ObjectInstance* item, StringObject* name);
void FolderItemDelete(ObjectInstance* item);
void FolderItemCreateAsFolder(ObjectInstance* item);
void FolderItemLaunch(ObjectInstance* item);
void FolderItemCopyFileTo(ObjectInstance* item, ObjectInstance* destination);
void FolderItemMoveFileTo(ObjectInstance* item, ObjectInstance* destination);

// The global folder functions (globalfolders.cpp).
int32_t getVolumeCount();
ObjectInstance* getVolume(int32_t index);
ObjectInstance* getDesktopFolder();
ObjectInstance* getFontsFolder();
ObjectInstance* getTrashFolder();
ObjectInstance* getStartupItemsFolder();
ObjectInstance* getAppleMenuFolder();
ObjectInstance* getControlPanelsFolder();
ObjectInstance* getPreferencesFolder();
ObjectInstance* getApplicationSupportFolder();
ObjectInstance* getSystemFolder();
ObjectInstance* getExtensionsFolder();
ObjectInstance* getTemporaryItemsFolder();
ObjectInstance* getShutdownItemsFolder();
ObjectInstance* getTemporaryFolderItem();

// The save and open dialogs (FolderItemDialog.cpp).
ObjectInstance* RuntimeGetSaveFolderItem(StringObject* fileTypes, StringObject* defaultName);
ObjectInstance* RuntimeGetOpenFolderItem(StringObject* fileTypes);
}
