#include "import_names.h"

#include "build_error.h"

std::string import_name(const std::string &symbol, const std::string &object) {
    std::string name;
    if (symbol.rfind("__Z", 0) == 0)
        throw BuildError(object, "undefined C++ symbol " + symbol +
                                     " (declare runtime entry points extern \"C\")");
    if (symbol.size() > 1 && symbol[0] == '!')
        name = symbol;
    else if (symbol.size() > 1 && symbol[0] == '_')
        name = symbol.substr(1);
    else
        throw BuildError(object, "undefined symbol " + symbol +
                                     " (imports are C names or names beginning with \"!\")");
    if (name.size() > MAX_IMPORT_NAME)
        throw BuildError(object, "import name longer than 255 bytes: " + name);
    return name;
}
