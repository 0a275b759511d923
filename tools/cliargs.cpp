#include "tools/cliargs.h"

namespace brainlark::cli
{

CliArgs::CliArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                 const std::set<std::string>& flags)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (flags.count(arg)) {
                m_values[arg] = "1";
            } else if (valueOptions.count(arg)) {
                if (i + 1 >= args.size()) {
                    m_error = "option " + arg + " needs a value";
                    return;
                }
                m_values[arg] = args[++i];
            } else {
                m_error = "unknown option " + arg;
                return;
            }
        } else {
            m_positionals.push_back(arg);
        }
    }
}

std::string CliArgs::value(const std::string& option, const std::string& fallback) const
{
    const auto it = m_values.find(option);
    return it == m_values.end() ? fallback : it->second;
}

} // namespace brainlark::cli
