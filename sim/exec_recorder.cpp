// Stands in for every external command on a PC: logs the command line it is given and
// answers with a scripted exit code, so nothing that mounts, formats, loads modules or
// writes flash runs on the host.
//
// INSTRUMENT_EXEC_LOG     file the command lines are appended to
//                         (default: $INSTRUMENT_ROOT/exec.log, else ./exec.log)
// INSTRUMENT_EXEC_SCRIPT  optional file of lines "<exit code> <regular expression>";
//                         the first expression found in the command line gives the code,
//                         otherwise the code is 0.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <regex>
#include <string>

int main(int argc, char **argv)
{
    const std::string line = argc > 1 ? argv[1] : "";
    std::string logPath;
    if (const char *p = std::getenv("INSTRUMENT_EXEC_LOG"); p && *p)
        logPath = p;
    else if (const char *r = std::getenv("INSTRUMENT_ROOT"); r && *r)
        logPath = std::string(r) + "/exec.log";
    else
        logPath = "exec.log";
    {
        std::ofstream log(logPath, std::ios::app);
        log << line << '\n';
    }
    if (const char *s = std::getenv("INSTRUMENT_EXEC_SCRIPT"); s && *s) {
        std::ifstream script(s);
        std::string rule;
        while (std::getline(script, rule)) {
            const auto space = rule.find(' ');
            if (rule.empty() || rule[0] == '#' || space == std::string::npos)
                continue;
            try {
                const int code = std::stoi(rule.substr(0, space));
                if (std::regex_search(line, std::regex(rule.substr(space + 1))))
                    return code;
            } catch (const std::exception &) {
                std::cerr << "exec_recorder: bad rule: " << rule << '\n';
            }
        }
    }
    return 0;
}
