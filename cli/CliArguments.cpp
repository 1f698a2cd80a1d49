#include "cli/CliArguments.h"

#include <algorithm>

namespace aw {

namespace {

const CliOption *FindOption(const std::vector<CliOption> &options, const std::string &spelling)
{
    for (const CliOption &option : options)
        if (std::find(option.Names.begin(), option.Names.end(), spelling) != option.Names.end())
            return &option;
    return nullptr;
}

} // namespace

CliArguments::CliArguments(const std::vector<std::string> &args, const std::vector<CliOption> &options)
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
        const CliOption *option = FindOption(options, spelling);
        if (!option)
            throw CliUsage("unknown option '" + spelling + "'");
        const std::string &name = option->Names.front();
        if (Has(name))
            throw CliUsage("option '" + spelling + "' given twice");
        if (!option->TakesValue) {
            if (equals != std::string::npos)
                throw CliUsage("option '" + spelling + "' takes no value");
            m_values[name] = "";
        } else if (equals != std::string::npos) {
            m_values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            m_values[name] = args[++i];
        } else {
            throw CliUsage("option '" + spelling + "' needs a value");
        }
    }
}

std::string CliArguments::Value(const std::string &name, const std::string &fallback) const
{
    const auto it = m_values.find(name);
    return it == m_values.end() ? fallback : it->second;
}

} // namespace aw
