// imagebuilder: turns the application's COFF objects into an application
// image, as development files, as a blob, or appended to the runtime.
#include <iostream>

#include "build_error.h"
#include "command_line.h"
#include "file_io.h"
#include "image_files.h"
#include "output_set.h"
#include "resource_index.h"

namespace {

BuildOptions build_options(const CommandLine &cl) {
    BuildOptions options;
    options.entry = cl.entry;
    options.classes = cl.classes;
    for (const auto &[name, file] : cl.plugins)
        options.plugins.push_back({name, file, read_file(file)});
    return options;
}

void add_dev_files(const std::string &dir, const Image &image, const std::vector<Bytes> &resources,
                   OutputSet &outputs) {
    outputs.add(dir + "/code1.dat", image.code1);
    outputs.add(dir + "/code2.dat", image.code2);
    outputs.add(dir + "/data1.dat", image.data1);
    outputs.add(dir + "/data2.dat", image.data2);
    if (!resources.empty())
        outputs.add(dir + "/data3.dat", build_resource_index(resources));
}

void run(const CommandLine &cl) {
    std::vector<CoffObject> objects;
    for (const std::string &path : cl.objects)
        objects.push_back(read_coff_object(path, read_file(path)));
    std::vector<Bytes> resources;
    for (const std::string &path : cl.resources)
        resources.push_back(read_file(path));
    Image image = build_image(objects, build_options(cl));

    OutputSet outputs;
    if (!cl.dev_files.empty())
        add_dev_files(cl.dev_files, image, resources, outputs);
    if (!cl.image.empty())
        outputs.add(cl.image, image_blob(image));
    if (!cl.ship.empty())
        outputs.add(cl.output, shipped_executable(read_file(cl.ship), cl.ship, image, resources));
    if (!cl.map.empty()) {
        std::string text = symbol_map_text(image);
        outputs.add(cl.map, Bytes(text.begin(), text.end()));
    }
    outputs.write_all();
}

} // namespace

int main(int argc, char **argv) {
    try {
        CommandLine cl = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
        if (cl.help) {
            std::cout << usage_text();
            return 0;
        }
        run(cl);
        return 0;
    } catch (const BuildError &e) {
        std::cerr << "imagebuilder: " << e.what() << "\n";
        return 1;
    }
}
