#include "model/paramtable.h"

#include "model/paramdefs.h"

#include <charconv>
#include <limits>

namespace menuloom::model {

namespace {

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Definitions are fixed and well formed; a leading run of digits is all they hold.
int32_t leadingDecimal(std::string_view text) {
    int32_t result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

template <std::size_t N>
std::string_view nameAt(const std::array<std::string_view, N>& names, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return {};
    return names[static_cast<std::size_t>(index)];
}

void applyDefaults(TPropType& p) {
    if (p.name == "DX")
        p.value = -5;
    if (p.kind == ParamKind::Color)
        p.num = -1;
    if (p.kind == ParamKind::Alignment)
        p.num = -1;
    if (p.name == "pressedItem")
        p.value = -2;
    if (p.kind == ParamKind::Transition)
        p.value = 24;
    if (p.name == "transDuration")
        p.value = 300;
    if (p.kind == ParamKind::Percents)
        p.value = 100;
    if (p.kind == ParamKind::FontStyle) {
        p.num = 8;
        p.flag = 0;
        p.text = "Tahoma";
    }
}

void applyIntConstraint(TPropType& p, std::string_view rest) {
    if (contains(rest, ">=")) {
        p.text.assign(">=", 2);
        rest.remove_prefix(2);
    } else if (contains(rest, ">")) {
        p.text.assign(1, '>');
        rest.remove_prefix(1);
    } else if (contains(rest, "percents")) {
        p.text = "percents";
        return;
    } else {
        return;
    }
    if (rest.empty()) {
        p.num = 0;
        return;
    }
    const auto comma = rest.find(',');
    if (comma != std::string_view::npos) {
        p.num = leadingDecimal(rest.substr(0, comma));
        p.flag = contains(rest, "^str") ? 1 : 0;
    } else {
        p.num = leadingDecimal(rest);
    }
}

void applyArrayConstraint(TPropType& p, std::string_view rest) {
    p.text = "Array";
    p.num = leadingDecimal(rest);
    const auto n = static_cast<std::size_t>(p.num < 0 ? 0 : p.num);
    if (p.kind == ParamKind::ImgArray) {
        p.strList.assign(n, std::string());
    } else if (p.kind == ParamKind::FontDecorArray) {
        p.intList.assign(n, 0);
    } else if (p.kind == ParamKind::ColorArray || p.kind == ParamKind::BorderStyleArray) {
        p.intList.assign(n, -1);
    }
}

} // namespace

ParamKind paramKindOf(std::string_view t) {
    static constexpr std::pair<std::string_view, ParamKind> kKinds[] = {
        {"img", ParamKind::Img},
        {"bool", ParamKind::Bool},
        {"int", ParamKind::Int},
        {"strs", ParamKind::Strs},
        {"fontStyle", ParamKind::FontStyle},
        {"colorArray", ParamKind::ColorArray},
        {"fontDecorArray", ParamKind::FontDecorArray},
        {"borderStyleArray", ParamKind::BorderStyleArray},
        {"imgArray", ParamKind::ImgArray},
        {"color", ParamKind::Color},
        {"alignment", ParamKind::Alignment},
        {"percents", ParamKind::Percents},
        {"transition", ParamKind::Transition},
    };
    for (const auto& [keyword, kind] : kKinds)
        if (keyword == t)
            return kind;
    return ParamKind::Unknown;
}

bool isColorListText(const TPropType& param) {
    return param.kind == ParamKind::ColorArray && param.name == "menuBorderColor";
}

std::string_view paramDefinition(int row) {
    return detail::kParamDefinitions.at(row);
}

std::string_view paramHint(int row) {
    if (row < 0 || row >= kParamCount)
        return {};
    return detail::kParamHints[static_cast<std::size_t>(row)];
}

TPropType parseParamDefinition(std::string_view def) {
    TPropType p;
    const auto eq = def.find('=');
    p.name = std::string(def.substr(0, eq));
    std::string_view rest = eq == std::string_view::npos ? std::string_view() : def.substr(eq + 1);

    auto typeEnd = rest.find(':');
    if (typeEnd == std::string_view::npos)
        typeEnd = rest.find(',');
    p.typeName = std::string(rest.substr(0, typeEnd));
    p.kind = paramKindOf(p.typeName);
    std::string_view tail =
        typeEnd == std::string_view::npos ? std::string_view() : rest.substr(typeEnd);

    applyDefaults(p);
    if (tail.empty())
        return p;

    if (tail.front() == ':') {
        if (p.kind == ParamKind::Strs) {
            tail.remove_prefix(1);
            // Every ","-terminated entry counts; text after the last "," is dropped.
            for (auto comma = tail.find(','); comma != std::string_view::npos;
                 comma = tail.find(',')) {
                p.strList.emplace_back(tail.substr(0, comma));
                tail.remove_prefix(comma + 1);
            }
            p.num = 0;
        }
        return p;
    }

    tail.remove_prefix(1); // the ","
    if (p.kind == ParamKind::Int)
        applyIntConstraint(p, tail);
    else if (contains(p.typeName, "Array"))
        applyArrayConstraint(p, tail);
    return p;
}

void buildParamTable(TProps& table) {
    table.clear();
    table.reserve(kParamCount);
    for (std::string_view def : detail::kParamDefinitions)
        table.push_back(parseParamDefinition(def));
}

int findParam(const TProps& table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return static_cast<int>(i);
    return -1;
}

std::string_view decorationName(int value) {
    return nameAt(kDecorationNames, value);
}
std::string_view fontWeightName(int value) {
    return nameAt(kFontWeightNames, value);
}
std::string_view borderStyleName(int code) {
    return code == -1 ? std::string_view() : nameAt(kBorderStyleNames, code + 1);
}
std::string_view styleBorderStyleName(int code) {
    return code == -1 ? kBorderStyleNames[0] : nameAt(kBorderStyleNames, code + 1);
}
std::string_view alignmentName(int code) {
    return nameAt(kAlignmentNames, code + 1);
}

std::string fontDescription(int weight, int size, std::string_view family) {
    std::string s(fontWeightName(weight));
    s += ' ';
    s += std::to_string(size);
    s += "pt ";
    s += family;
    return s;
}

std::string invalidIntegerMessage(std::string_view text) {
    std::string s = "'";
    s += text;
    s += "' is not a valid integer value";
    return s;
}

IntInputResult acceptIntInput(const TPropType& param, std::string_view typed) {
    IntInputResult r;
    if (typed.empty() || typed == "-" || typed.front() == '%')
        return r;
    std::string_view body = typed;
    if (body.front() == '-') {
        body.remove_prefix(1);
        if (contains(body, "%")) // no negative percentages
            return r;
    }
    if (contains(body, "-"))
        return r;

    std::string_view number = typed;
    if (typed.back() == '%') {
        if (param.text != "percents")
            return r;
        number.remove_suffix(1);
        if (contains(number, "%"))
            return r;
        r.boolValue = 0;
    } else {
        if (contains(typed, "%"))
            return r;
        r.boolValue = 1;
    }

    int64_t parsed = 0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(first, last, parsed);
    if (number.empty() || ec != std::errc() || ptr != last ||
        parsed < std::numeric_limits<int32_t>::min() ||
        parsed > std::numeric_limits<int32_t>::max()) {
        r.kind = IntInputResult::Kind::ConversionError;
        r.message = invalidIntegerMessage(number);
        return r;
    }
    const auto value = static_cast<int32_t>(parsed);

    if (param.text == ">=" && value < param.num) {
        r.kind = IntInputResult::Kind::RangeRefused;
        r.message = std::string("Value must be >= ").append(std::to_string(param.num));
        return r;
    }
    if (param.text == ">" && value <= param.num) {
        r.kind = IntInputResult::Kind::RangeRefused;
        r.message = std::string("Value must be > ").append(std::to_string(param.num));
        return r;
    }
    r.kind = IntInputResult::Kind::Accepted;
    r.value = value;
    return r;
}

bool applyIntInput(TPropType& param, const IntInputResult& result) {
    if (!result.accepted())
        return false;
    param.value = result.value;
    param.boolValue = result.boolValue;
    return true;
}

} // namespace menuloom::model
