#include "command_line.h"

#include "build_error.h"

const char *usage_text() {
    return "usage: imagebuilder [options] OBJECT.o...\n"
           "  --entry SYMBOL       C name of the image entry routine (default ImageMain)\n"
           "  --classes SYMBOL     C name of the class list (default ClassList)\n"
           "  --plugin NAME=FILE   store FILE as the plug-in library NAME (repeatable)\n"
           "  --resource FILE      a project resource, numbered 1, 2, ... (repeatable)\n"
           "  --dev-files DIR      write DIR/code1.dat, code2.dat, data1.dat, data2.dat\n"
           "                       and, with resources, DIR/data3.dat\n"
           "  --image FILE         write the image blob\n"
           "  --ship RUNTIME.exe --output OUT.exe\n"
           "                       append the image to a copy of RUNTIME.exe\n"
           "  --map FILE           write the offsets of all defined external symbols\n";
}

namespace {

std::pair<std::string, std::string> plugin_option(const std::string &value) {
    size_t eq = value.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == value.size())
        throw BuildError("", "--plugin wants NAME=FILE, not \"" + value + "\"");
    return {value.substr(0, eq), value.substr(eq + 1)};
}

} // namespace

CommandLine parse_command_line(const std::vector<std::string> &args) {
    CommandLine cl;
    for (size_t i = 0; i < args.size(); i++) {
        const std::string &a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
            continue;
        }
        if (a.rfind("--", 0) != 0) {
            cl.objects.push_back(a);
            continue;
        }
        if (i + 1 == args.size())
            throw BuildError("", "option " + a + " needs a value");
        const std::string &value = args[++i];
        if (a == "--entry") cl.entry = value;
        else if (a == "--classes") cl.classes = value;
        else if (a == "--plugin") cl.plugins.push_back(plugin_option(value));
        else if (a == "--resource") cl.resources.push_back(value);
        else if (a == "--dev-files") cl.dev_files = value;
        else if (a == "--image") cl.image = value;
        else if (a == "--ship") cl.ship = value;
        else if (a == "--output") cl.output = value;
        else if (a == "--map") cl.map = value;
        else throw BuildError("", "unknown option " + a);
    }
    if (cl.help)
        return cl;
    if (cl.objects.empty())
        throw BuildError("", "no object files given");
    if (cl.ship.empty() != cl.output.empty())
        throw BuildError("", "--ship and --output go together");
    return cl;
}
