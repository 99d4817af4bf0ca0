#include "ui/props/propsdisplay.h"

#include "output/datawriter.h"

namespace menuloom::ui {

using model::ParamKind;

namespace {

std::string joined(const model::TPropType& p, std::string_view (*name)(int)) {
    std::string s = "[";
    for (std::size_t i = 0; i < p.intList.size(); ++i) {
        if (i)
            s += ", ";
        s += name(p.intList[i]);
    }
    return s + "]";
}

std::string_view choiceAt(const model::TPropType& p) {
    if (p.num < 0 || static_cast<std::size_t>(p.num) >= p.strList.size())
        return {};
    return p.strList[static_cast<std::size_t>(p.num)];
}

constexpr int kColorSwatchGap = 20;
constexpr int kColorSwatchWidth = 50;
constexpr int kArraySwatchWidth = 18;

} // namespace

std::vector<ValuePiece> valuePieces(const model::TPropType& p) {
    auto text = [](std::string t) { return std::vector<ValuePiece>{{std::move(t)}}; };
    switch (p.kind) {
    case ParamKind::Bool:
        return text(p.boolValue == 1 ? "True" : "False");
    case ParamKind::Int:
        return text(std::to_string(p.value) +
                    (p.text == "percents" && p.boolValue == 0 ? "%" : ""));
    case ParamKind::Percents:
        return text(std::to_string(p.value) + "%");
    case ParamKind::Transition:
        return text(std::to_string(p.value));
    case ParamKind::Img:
        return text(p.text.empty() ? "[empty]" : p.text);
    case ParamKind::Color: {
        if (p.num == -1)
            return text("\"\"");
        std::vector<ValuePiece> pieces{{output::formatColor(p.num)}};
        pieces.push_back({{}, p.num, kColorSwatchWidth, kColorSwatchGap});
        return pieces;
    }
    case ParamKind::ColorArray: {
        std::vector<ValuePiece> pieces{{"["}};
        for (std::size_t i = 0; i < p.intList.size(); ++i) {
            const bool more = i + 1 < p.intList.size();
            const int32_t c = p.intList[i];
            if (c == -1) {
                pieces.push_back({more ? "\"\", " : "\"\""});
            } else {
                pieces.push_back({{}, c, kArraySwatchWidth, 0});
                if (more)
                    pieces.push_back({","});
            }
        }
        pieces.push_back({"]"});
        return pieces;
    }
    case ParamKind::FontDecorArray:
        return text(joined(p, &model::decorationName));
    case ParamKind::BorderStyleArray:
        return text(joined(p, &model::styleBorderStyleName));
    case ParamKind::Alignment:
        return text(std::string(model::alignmentName(p.num)));
    case ParamKind::FontStyle:
        return text(model::fontDescription(p.flag, p.num, p.text));
    case ParamKind::Strs:
        return text(p.flag == 1 ? p.text : std::string(choiceAt(p)));
    case ParamKind::ImgArray: {
        std::string s = "[";
        for (std::size_t i = 0; i < p.strList.size(); ++i) {
            if (i)
                s += ", ";
            s += p.strList[i].empty() ? "\"\"" : "img";
        }
        return text(s + "]");
    }
    case ParamKind::Unknown:
        break;
    }
    return {};
}

std::string valueText(const model::TPropType& p) {
    std::string s;
    for (const ValuePiece& piece : valuePieces(p)) {
        if (piece.swatch == -1)
            s += piece.text == "," ? ", " : piece.text; // read as the other entries are
        else if (p.kind != ParamKind::Color) // a colour's swatch repeats the text before it
            s += output::formatColor(piece.swatch);
    }
    return s;
}

bool clipsBeforeButton(const model::TPropType& p) {
    switch (p.kind) {
    case ParamKind::Img:
    case ParamKind::ImgArray:
    case ParamKind::FontStyle:
    case ParamKind::ColorArray:
    case ParamKind::FontDecorArray:
    case ParamKind::BorderStyleArray:
    case ParamKind::Alignment:
    case ParamKind::Percents:
        return true;
    case ParamKind::Bool:
    case ParamKind::Int:
    case ParamKind::Strs:
    case ParamKind::Color:
    case ParamKind::Transition:
    case ParamKind::Unknown:
        return false;
    }
    return false;
}

bool isDefaultValue(int row, const model::TPropType& p) {
    static const model::TProps defaults = [] {
        model::TProps t;
        model::buildParamTable(t);
        return t;
    }();
    if (row < 0 || static_cast<std::size_t>(row) >= defaults.size())
        return true;
    return output::formatParameterValue(p) ==
           output::formatParameterValue(defaults[static_cast<std::size_t>(row)]);
}

} // namespace menuloom::ui
