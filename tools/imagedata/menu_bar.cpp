// The menu bar, project item kind 2: the kind word, a byte count, then a
// compact count of menus, each an item record followed by its item list; an
// item list is a compact count of item records, each followed by its
// submenu's list when its submenu byte is set. An item record holds kind,
// text, name, index, command key, balloon help, disabled balloon help, an
// unused byte, the submenu byte and the class index.
#include "items.h"

namespace {

constexpr uint32_t kMenuBarItemKind = 2;
constexpr int32_t kNoIndex = INT32_MIN;

struct ItemRecord {
    int32_t kind = 0;
    std::string text, name, commandKey, balloonHelp, disabledBalloonHelp;
    int32_t index = kNoIndex;
    uint8_t unused = 0;
    int32_t classIndex = 0;
};

void AppendRecord(Bytes& out, const ItemRecord& r, bool hasSubmenu) {
    AppendCompactInteger(out, r.kind);
    AppendCompactString(out, r.text);
    AppendCompactString(out, r.name);
    AppendCompactInteger(out, r.index);
    AppendCompactString(out, r.commandKey);
    AppendCompactString(out, r.balloonHelp);
    AppendCompactString(out, r.disabledBalloonHelp);
    out.push_back(r.unused);
    out.push_back(hasSubmenu ? 1 : 0);
    AppendCompactInteger(out, r.classIndex);
}

// The attributes after a record's keyword: an optional text first, then
// name, index, key, help, disabledhelp, class, kind and unused in any order.
ItemRecord ReadAttributes(SourceReader& in) {
    ItemRecord r;
    if (in.Peek().kind == Token::Text) r.text = in.Next().text;
    for (;;) {
        if (in.Accept("text")) r.text = in.Value("the item's text");
        else if (in.Accept("name")) r.name = in.Value("the item's name");
        else if (in.Accept("index")) r.index = in.Integer("the item's index");
        else if (in.Accept("key")) r.commandKey = in.Value("the command key");
        else if (in.Accept("help")) r.balloonHelp = in.Value("the balloon help");
        else if (in.Accept("disabledhelp")) r.disabledBalloonHelp = in.Value("the disabled balloon help");
        else if (in.Accept("class")) r.classIndex = in.Integer("the item's class index");
        else if (in.Accept("kind")) r.kind = in.Integer("the item's kind");
        else if (in.Accept("unused")) r.unused = static_cast<uint8_t>(in.Integer("the unused byte"));
        else return r;
    }
}

void ReadItemList(SourceReader& in, Bytes& out);

// One record of an item list: item, separator or placeholder.
void ReadItem(SourceReader& in, Bytes& out) {
    const Token at = in.Peek();
    if (in.Accept("item")) {
        ItemRecord r = ReadAttributes(in);
        bool submenu = in.Peek().kind == Token::Open;
        AppendRecord(out, r, submenu);
        if (submenu) ReadItemList(in, out);
    } else if (in.Accept("separator")) {
        ItemRecord r = ReadAttributes(in);
        r.text = "-";
        AppendRecord(out, r, false);
    } else if (in.Accept("placeholder")) {
        ItemRecord r = ReadAttributes(in);
        r.kind = 2;
        AppendRecord(out, r, false);
    } else {
        in.Fail(at, "expected item, separator, placeholder or }");
    }
}

// { records } as a compact count and the records.
void ReadItemList(SourceReader& in, Bytes& out) {
    in.Expect(Token::Open, "{");
    Bytes records;
    int32_t count = 0;
    while (in.Peek().kind != Token::Close) {
        ReadItem(in, records);
        count++;
    }
    in.Next();
    AppendCompactInteger(out, count);
    out.insert(out.end(), records.begin(), records.end());
}

} // namespace

DataItem ReadMenuBar(SourceReader& in) {
    DataItem item;
    item.label = in.Word("the menu bar's label");
    in.Expect(Token::Open, "{");
    Bytes menus;
    int32_t count = 0;
    while (in.Peek().kind != Token::Close) {
        if (!in.Accept("menu")) in.Fail(in.Peek(), "expected menu or }");
        AppendRecord(menus, ReadAttributes(in), false);
        ReadItemList(in, menus);
        count++;
    }
    in.Next();
    Bytes body;
    AppendCompactInteger(body, count);
    body.insert(body.end(), menus.begin(), menus.end());
    AppendWord(item.bytes, kMenuBarItemKind);
    AppendWord(item.bytes, static_cast<uint32_t>(body.size()));
    item.bytes.insert(item.bytes.end(), body.begin(), body.end());
    return item;
}
