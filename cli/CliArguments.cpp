#include "cli/CliArguments.h"

#include <algorithm>

namespace {

const TCliOption *findOption(const std::vector<TCliOption> &options, const std::string &spelling)
{
    for (const TCliOption &option : options)
        if (std::find(option.Names.begin(), option.Names.end(), spelling) != option.Names.end())
            return &option;
    return nullptr;
}

} // namespace

TCliArguments::TCliArguments(const std::vector<std::string> &args, const std::vector<TCliOption> &options)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            m_words.push_back(arg); // "-" alone is a word: standard input or output
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string spelling = arg.substr(0, equals);
        const TCliOption *option = findOption(options, spelling);
        if (!option)
            throw ECliUsage("unknown option '" + spelling + "'");
        const std::string &name = option->Names.front();
        if (Has(name))
            throw ECliUsage("option '" + spelling + "' given twice");
        if (!option->TakesValue) {
            if (equals != std::string::npos)
                throw ECliUsage("option '" + spelling + "' takes no value");
            m_values[name] = "";
        } else if (equals != std::string::npos) {
            m_values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            m_values[name] = args[++i];
        } else {
            throw ECliUsage("option '" + spelling + "' needs a value");
        }
    }
}

std::string TCliArguments::Value(const std::string &name, const std::string &fallback) const
{
    const auto it = m_values.find(name);
    return it == m_values.end() ? fallback : it->second;
}
