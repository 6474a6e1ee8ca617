// The settings block, project item kind 4: the kind word, the (unused) node
// list pointer, the byte count, then the block: the flag byte, a reserved
// big-endian word, the big-endian character-set code, the file types (four
// compact strings each), the runtime's message texts, the frame flag byte
// and the application's name.
//
//   settings <Label> {
//       layout 1                              # the flag byte
//       charset 1                             # the character-set code
//       filetype "APTDAT" "????" "TEXT" ".dat"  # name, creator, type, extensions
//       message "..."                         # runtime message texts, in order
//       frame 1                               # 1: a frame window holds the documents
//       name "Tessel 2.1"
//   }
//
// Every line may be left out (file types and texts then make empty lists);
// filetype and message lines repeat, the others come once each.
#include "items.h"

namespace {

constexpr uint32_t kSettingsItemKind = 4;

void AppendBigWord(Bytes& out, uint32_t word) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(word >> shift));
}

struct Settings {
    int32_t layout = 1, charset = 1, frame = 0;
    std::vector<std::string> fileTypes;   // four strings a type
    std::vector<std::string> messages;
    std::string name;
};

uint8_t ByteValue(SourceReader& in, const char* what) {
    const Token at = in.Peek();
    int32_t value = in.Integer(what);
    if (value < 0 || value > 255) in.Fail(at, std::string(what) + " must lie in 0 to 255");
    return static_cast<uint8_t>(value);
}

} // namespace

DataItem ReadSettings(SourceReader& in) {
    DataItem item;
    item.label = in.Word("the settings' label");
    in.Expect(Token::Open, "{");
    Settings settings;
    while (in.Peek().kind != Token::Close) {
        const Token at = in.Peek();
        if (in.Accept("layout")) settings.layout = ByteValue(in, "the layout flag");
        else if (in.Accept("charset")) settings.charset = in.Integer("the character-set code");
        else if (in.Accept("frame")) settings.frame = ByteValue(in, "the frame flag");
        else if (in.Accept("name")) settings.name = in.Value("the application's name");
        else if (in.Accept("message")) settings.messages.push_back(in.Value("a message text"));
        else if (in.Accept("filetype")) {
            settings.fileTypes.push_back(in.Value("the file type's name"));
            settings.fileTypes.push_back(in.Value("the file type's creator code"));
            settings.fileTypes.push_back(in.Value("the file type's type code"));
            settings.fileTypes.push_back(in.Value("the file type's extensions"));
        } else {
            in.Fail(at, "expected layout, charset, filetype, message, frame or name");
        }
    }
    in.Expect(Token::Close, "} at the end of the settings");

    Bytes block;
    block.push_back(static_cast<uint8_t>(settings.layout));
    AppendBigWord(block, 0);
    AppendBigWord(block, static_cast<uint32_t>(settings.charset));
    AppendCompactInteger(block, static_cast<int32_t>(settings.fileTypes.size() / 4));
    for (const std::string& text : settings.fileTypes) AppendCompactString(block, text);
    AppendCompactInteger(block, static_cast<int32_t>(settings.messages.size()));
    for (const std::string& text : settings.messages) AppendCompactString(block, text);
    block.push_back(static_cast<uint8_t>(settings.frame));
    AppendCompactString(block, settings.name);

    AppendWord(item.bytes, kSettingsItemKind);
    AppendWord(item.bytes, 0);
    AppendWord(item.bytes, static_cast<uint32_t>(block.size()));
    item.bytes.insert(item.bytes.end(), block.begin(), block.end());
    return item;
}
