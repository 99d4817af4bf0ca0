#include "output/datawriter.h"

#include "util/jstext.h"

#include <algorithm>
#include <charconv>

namespace menuloom::output {

using namespace model;

namespace {

constexpr std::string_view kEol = "\r\n";

// Every text of the file stands in a JavaScript string literal, escaped where it needs it.
std::string quoted(std::string_view text) {
    return util::jsQuoted(text);
}

std::string_view choiceAt(const std::vector<std::string>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return {};
    return list[static_cast<std::size_t>(index)];
}

// "[e1,e2,...]" with each entry formatted and quoted.
template <typename Container, typename Fn> std::string arrayOf(const Container& c, Fn&& entry) {
    std::string s = "[";
    bool first = true;
    for (const auto& e : c) {
        if (!first)
            s += ',';
        first = false;
        s += quoted(entry(e));
    }
    s += ']';
    return s;
}

// A colour pair prints only when both halves are set.
bool bothSet(int32_t a, int32_t b) {
    return a != -1 && b != -1;
}
bool bothSet(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty();
}

void field(std::string& out, std::string_view key, std::string_view value, bool separator = true) {
    out += '"';
    out += key;
    out += '=';
    util::appendJsEscaped(out, value);
    out += '"';
    if (separator)
        out += ',';
}

std::string pair(std::string_view a, std::string_view b) {
    std::string s(a);
    s += ',';
    s += b;
    return s;
}

// Appends the path text without building intermediate strings (the item array is the hot part).
// Backslashes become "/" first, so a quoted path only ever needs its double quotes escaped.
void appendPath(std::string& out, std::string_view path, bool quote, const PathContext& ctx) {
    if (quote)
        out += '"';
    const std::size_t start = out.size();
    if (ctx.preview && !path.empty() && !isAbsolutePath(path))
        out += ctx.workingFolder;
    out += path;
    const auto first = out.begin() + static_cast<std::ptrdiff_t>(start);
    std::replace(first, out.end(), '\\', '/');
    if (quote && std::find(first, out.end(), '"') != out.end()) {
        const std::string raw = out.substr(start);
        out.resize(start);
        util::appendJsEscaped(out, raw);
    }
    if (quote)
        out += '"';
}

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    util::appendJsEscaped(out, text);
    out += '"';
}

void appendNumber(std::string& out, int32_t n) {
    char buf[16];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
    (void)ec;
    out.append(buf, end);
}

void appendItem(std::string& s, const TItemProps& item, int depth, const PathContext& ctx) {
    s += '"';
    s.append(static_cast<std::size_t>(depth < 0 ? 0 : depth), '|');
    util::appendJsEscaped(s, item.caption);
    s += "\",";
    appendQuoted(s, item.link);
    s += ',';
    appendPath(s, item.img1, true, ctx);
    s += ',';
    appendPath(s, item.img2, true, ctx);
    s += ',';
    appendQuoted(s, item.tip);
    s += ',';
    if (!item.target.empty())
        appendQuoted(s, item.target);
    s += ',';
    if (item.itemStyle != -1) {
        s += '"';
        appendNumber(s, item.itemStyle);
        s += '"';
    }
    s += ',';
    if (item.smStyle != -1) {
        s += '"';
        appendNumber(s, item.smStyle);
        s += '"';
    }
}

} // namespace

std::string formatColor(int32_t color) {
    if (color == -1)
        return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto v = static_cast<uint32_t>(color);
    std::string s = "#";
    for (int shift : {0, 8, 16}) {
        const unsigned byte = (v >> shift) & 0xFFu;
        s += kHex[byte >> 4];
        s += kHex[byte & 0xFu];
    }
    return s;
}

bool isAbsolutePath(std::string_view path) {
    if (path.size() > 2 && path[1] == ':')
        return true;
    if (!path.empty() && (path.front() == '/' || path.front() == '\\'))
        return true;
    return path.find("://") != std::string_view::npos;
}

std::string formatPath(std::string_view path, bool quote, const PathContext& ctx) {
    std::string s;
    appendPath(s, path, quote, ctx);
    return s;
}

std::string formatParameterValue(const TPropType& p, const PathContext& ctx) {
    switch (p.kind) {
    case ParamKind::Img:
        return formatPath(p.text, true, ctx);
    case ParamKind::Bool:
        return p.boolValue ? "1" : "0";
    case ParamKind::Int:
        if (p.text == "percents" && p.boolValue == 0)
            return quoted(std::to_string(p.value) + "%");
        if (p.flag == 1)
            return quoted(std::to_string(p.value));
        return std::to_string(p.value);
    case ParamKind::Strs:
        return quoted(p.flag == 1 ? std::string_view(p.text) : choiceAt(p.strList, p.num));
    case ParamKind::FontStyle:
        return quoted(fontDescription(p.flag, p.num, p.text));
    case ParamKind::Color:
        return quoted(formatColor(p.num));
    case ParamKind::Alignment:
        return quoted(alignmentName(p.num));
    case ParamKind::Percents:
    case ParamKind::Transition:
        return std::to_string(p.value);
    case ParamKind::ColorArray:
        if (isColorListText(p)) {
            // One CSS-like text of the set colours, each followed by a blank.
            std::string s;
            for (int32_t c : p.intList)
                if (c != -1)
                    s += formatColor(c) + ' ';
            return quoted(s);
        }
        return arrayOf(p.intList, [](int32_t c) { return formatColor(c); });
    case ParamKind::FontDecorArray:
        return arrayOf(p.intList, [](int32_t v) { return decorationName(v); });
    case ParamKind::BorderStyleArray:
        return arrayOf(p.intList, [](int32_t v) { return borderStyleName(v); });
    case ParamKind::ImgArray:
        return arrayOf(p.strList,
                       [&](const std::string& path) { return formatPath(path, false, ctx); });
    case ParamKind::Unknown:
        break;
    }
    return {};
}

std::string formatItemStyle(const TStyle& st, const PathContext& ctx) {
    std::string s;
    if (st.useFontStyle)
        field(s, "fontStyle", fontDescription(st));
    if (st.useFontColor && bothSet(st.fontColorNormal, st.fontColorOver))
        field(s, "fontColor", pair(formatColor(st.fontColorNormal), formatColor(st.fontColorOver)));
    if (st.useFontDecoration)
        field(s, "fontDecoration",
              pair(decorationName(st.fontDecorationNormal), decorationName(st.fontDecorationOver)));
    if (st.useItemBackColor && bothSet(st.itemBackColorNormal, st.itemBackColorOver))
        field(s, "itemBackColor",
              pair(formatColor(st.itemBackColorNormal), formatColor(st.itemBackColorOver)));
    if (st.useItemBorderColor && bothSet(st.itemBorderColorNormal, st.itemBorderColorOver))
        field(s, "itemBorderColor",
              pair(formatColor(st.itemBorderColorNormal), formatColor(st.itemBorderColorOver)));
    if (st.useItemBorderWidth)
        field(s, "itemBorderWidth", std::to_string(st.itemBorderWidth));
    if (st.useItemBorderStyle) {
        field(s, "itemBorderStyle",
              pair(styleBorderStyleName(st.itemBorderStyleNormal),
                   styleBorderStyleName(st.itemBorderStyleOver)));
    }
    if (st.useItemBackImage && bothSet(st.itemBackImageNormal, st.itemBackImageOver))
        field(s, "itemBackImage",
              pair(formatPath(st.itemBackImageNormal, false, ctx),
                   formatPath(st.itemBackImageOver, false, ctx)));
    if (st.useArrowImageMain && bothSet(st.arrowImageMainNormal, st.arrowImageMainOver))
        field(s, "arrowImageMain",
              pair(formatPath(st.arrowImageMainNormal, false, ctx),
                   formatPath(st.arrowImageMainOver, false, ctx)));
    if (st.useArrowImageSub && bothSet(st.arrowImageSubNormal, st.arrowImageSubOver))
        field(s, "arrowImageSub",
              pair(formatPath(st.arrowImageSubNormal, false, ctx),
                   formatPath(st.arrowImageSubOver, false, ctx)),
              false);
    return s;
}

std::string formatSubmenuStyle(const TSmStyle& st, const PathContext& ctx) {
    std::string s;
    if (st.useMenuBorderColor && st.menuBorderColor != -1)
        field(s, "menuBorderColor", formatColor(st.menuBorderColor));
    if (st.useMenuBackColor && st.menuBackColor != -1)
        field(s, "menuBackColor", formatColor(st.menuBackColor));
    if (st.useMenuBorderWidth)
        field(s, "menuBorderWidth", std::to_string(st.menuBorderWidth));
    if (st.useMenuBorderStyle)
        field(s, "menuBorderStyle", styleBorderStyleName(st.menuBorderStyle));
    if (st.useMenuBackImage && !st.menuBackImage.empty())
        field(s, "menuBackImage", formatPath(st.menuBackImage, false, ctx), false);
    return s;
}

std::string formatItem(const TItemProps& item, int depth, const PathContext& ctx) {
    std::string s;
    appendItem(s, item, depth, ctx);
    return s;
}

std::string closingCall(const CrossframeSettings& cross, bool preview) {
    if (preview || !cross.enabled)
        return "zel_init();";
    std::string s = "zel_initFrame(";
    s += quoted(cross.framesetId);
    s += ',';
    s += cross.topFrame;
    s += ',';
    s += cross.subFrame;
    s += ',';
    s += cross.vertical ? '1' : '0';
    s += ");";
    return s;
}

std::string renderDataFile(const Project& project, bool preview) {
    const PathContext ctx{preview, project.workingFolder};
    std::string out;
    out.reserve(4096 + static_cast<std::size_t>(project.items.count()) * 64);
    auto line = [&out](std::string_view text) {
        out += text;
        out += kEol;
    };
    auto entry = [&out](std::string_view text) {
        out += "   [";
        out += text;
        out += "],";
        out += kEol;
    };

    if (!preview) {
        line("//Zelvane-Menuloom StyleNames");
        line("//ItemStyles");
        for (const auto& name : project.itemStyles.names())
            line("//" + name);
        line("//End of ItemStyles");
        line("//SmStyles");
        for (const auto& name : project.smStyles.names())
            line("//" + name);
        line("//End of SmStyles");
        line("//End of StyleNames");
        line("");
    }

    for (const auto& p : project.params) {
        out += "var ";
        out += p.name;
        out += '=';
        out += formatParameterValue(p, ctx);
        out += ';';
        out += kEol;
    }
    line("");

    if (!project.itemStyles.empty()) {
        line("var itemStyles = [");
        for (const auto& st : project.itemStyles.records())
            entry(formatItemStyle(st, ctx));
        line("];");
        line("");
    }
    if (!project.smStyles.empty()) {
        line("var menuStyles = [");
        for (const auto& st : project.smStyles.records())
            entry(formatSubmenuStyle(st, ctx));
        line("];");
        line("");
    }
    line("var menuItems = [");
    project.items.forEach([&](const ItemNode& node, int level) {
        out += "   [";
        appendItem(out, node.props(), level, ctx);
        out += "],";
        out += kEol;
    });
    line("];");
    line("");
    line(closingCall(project.crossframe, preview));
    return out;
}

WriteResult writeDataFile(const Project& project, const std::string& path, bool preview,
                          const ChunkWriter& writer) {
    return writeFileAtomically(path, renderDataFile(project, preview), writer);
}

} // namespace menuloom::output
