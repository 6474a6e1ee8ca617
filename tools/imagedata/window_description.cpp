// Window descriptions: a 32-bit byte count, then the property count, the
// window's class index, the name and value pairs, the control records (class
// index, pair count, pairs) and the binding records, as compact integers and
// compact strings.
#include "items.h"

namespace {

using Pair = std::pair<std::string, std::string>;

// <name> <value> lines up to the closing brace; the words that open nested
// records stop the list.
std::vector<Pair> ReadPairs(SourceReader& in) {
    std::vector<Pair> pairs;
    while (in.Peek().kind != Token::Close) {
        if (in.Peek().kind == Token::Word && (in.Peek().text == "control" || in.Peek().text == "binding"))
            break;
        std::string name = in.Value("a property name");
        pairs.emplace_back(name, in.Value("a property value"));
    }
    return pairs;
}

void AppendPairs(Bytes& out, const std::vector<Pair>& pairs) {
    for (const Pair& pair : pairs) {
        AppendCompactString(out, pair.first);
        AppendCompactString(out, pair.second);
    }
}

} // namespace

DataItem ReadWindowDescription(SourceReader& in) {
    DataItem item;
    item.label = in.Word("the window's label");
    if (!in.Accept("class")) in.Fail(in.Peek(), "expected class <index>");
    int32_t classIndex = in.Integer("the window's class index");
    in.Expect(Token::Open, "{");
    std::vector<Pair> pairs = ReadPairs(in);
    Bytes controls, bindings;
    int32_t controlCount = 0, bindingCount = 0;
    for (;;) {
        if (in.Accept("control")) {
            if (!in.Accept("class")) in.Fail(in.Peek(), "expected class <index>");
            AppendCompactInteger(controls, in.Integer("the control's class index"));
            in.Expect(Token::Open, "{");
            std::vector<Pair> controlPairs = ReadPairs(in);
            in.Expect(Token::Close, "} after the control's properties");
            AppendCompactInteger(controls, static_cast<int32_t>(controlPairs.size()));
            AppendPairs(controls, controlPairs);
            controlCount++;
        } else if (in.Accept("binding")) {
            // source control, text, target control, text, class index, text, text
            AppendCompactInteger(bindings, in.Integer("the source control number"));
            AppendCompactString(bindings, in.Value("a text"));
            AppendCompactInteger(bindings, in.Integer("the target control number"));
            AppendCompactString(bindings, in.Value("a text"));
            AppendCompactInteger(bindings, in.Integer("the binding's class index"));
            AppendCompactString(bindings, in.Value("a text"));
            AppendCompactString(bindings, in.Value("a text"));
            bindingCount++;
        } else {
            break;
        }
    }
    in.Expect(Token::Close, "} at the end of the window");

    Bytes body;
    AppendCompactInteger(body, static_cast<int32_t>(pairs.size()));
    AppendCompactInteger(body, classIndex);
    AppendPairs(body, pairs);
    AppendCompactInteger(body, controlCount);
    body.insert(body.end(), controls.begin(), controls.end());
    AppendCompactInteger(body, bindingCount);
    body.insert(body.end(), bindings.begin(), bindings.end());
    AppendWord(item.bytes, static_cast<uint32_t>(body.size()));
    item.bytes.insert(item.bytes.end(), body.begin(), body.end());
    return item;
}
