#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace brainlark::cli
{

/// Splits a command's arguments into positionals and "--name value" options. Anything unexpected is
/// reported in error() so the command can exit with a usage error.
class CliArgs
{
public:
    CliArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
            const std::set<std::string>& flags = {});

    const std::vector<std::string>& positionals() const { return m_positionals; }
    bool has(const std::string& option) const { return m_values.count(option) > 0; }
    std::string value(const std::string& option, const std::string& fallback = {}) const;
    const std::string& error() const { return m_error; }

private:
    std::vector<std::string> m_positionals;
    std::map<std::string, std::string> m_values;
    std::string m_error;
};

} // namespace brainlark::cli
