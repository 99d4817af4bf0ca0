#include "cli/lintcommand.h"

#include "check/checks.h"
#include "check/contrast.h"
#include "cli/options.h"
#include "model/project.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace menuloom::cli {

namespace {

nlohmann::json whereOf(const check::Place& place) {
    using Kind = check::Place::Kind;
    switch (place.kind) {
    case Kind::Item:
        return {{"item", place.item}};
    case Kind::Param:
        return {{"param", place.param}};
    case Kind::ItemStyle:
        return {{"itemStyle", place.index}};
    case Kind::SmStyle:
        return {{"smStyle", place.index}};
    }
    return nlohmann::json::object();
}

std::string jsonOf(const std::vector<check::Finding>& findings) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& f : findings) {
        nlohmann::json entry = {{"rule", check::ruleName(f.rule)},
                                {"severity", check::severityName(f.severity)},
                                {"message", f.message},
                                {"where", whereOf(f.place)}};
        if (f.rule == check::Rule::Contrast) {
            entry["ratio"] = check::shownRatio(f.ratio);
            entry["required"] = f.required;
        }
        list.push_back(std::move(entry));
    }
    // Texts from a menu are UTF-8; anything else is replaced rather than refused.
    return nlohmann::json{{"findings", std::move(list)}}.dump(
               2, ' ', false, nlohmann::json::error_handler_t::replace) +
           '\n';
}

} // namespace

int cmdLint(std::span<const std::string> args, Streams io) {
    const Args p = parseArgs(args, {"--json"});
    if (!p.unknown.empty())
        return unknownOption(io, p.unknown);
    if (p.positional.size() != 1)
        return usage(io, "lint needs IN");
    const bool json = p.has("--json");

    model::Project project;
    if (!readMenu(io, project, p.positional[0]))
        return kExitFailure;
    check::Options options;
    options.baseFolder = project.workingFolder;
    const auto findings = check::checkProject(project, options);

    if (json) {
        io.out << jsonOf(findings);
    } else {
        for (const auto& f : findings)
            io.out << check::severityName(f.severity) << ' ' << check::ruleName(f.rule) << ' '
                   << f.place.text() << ' ' << f.message << '\n';
    }
    io.out.flush();
    if (!io.out) {
        io.err << kTool << ": standard output: write error\n";
        return kExitFailure;
    }
    return check::errorCount(findings) > 0 ? kExitFindings : kExitOk;
}

} // namespace menuloom::cli
