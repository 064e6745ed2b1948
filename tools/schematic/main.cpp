// Draws the circuit picture and writes it as the JPEG file that the assets
// library carries inside the program. Run by hand after changing the drawing:
//   cmake --build <build dir> --target schematic_generator
//   QT_QPA_PLATFORM=offscreen <build dir>/tools/schematic/schematic_generator assets/schematic.jpg
// then commit assets/schematic.jpg.
#include "tools/schematic/CircuitDrawing.h"
#include "tools/schematic/JpegWriter.h"

#include <QGuiApplication>

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.jpg>\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const std::vector<std::uint8_t> jpeg = WriteJpeg(DrawCircuit());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
