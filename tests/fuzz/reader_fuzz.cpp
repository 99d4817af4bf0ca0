// libFuzzer target: any bytes as a data file. The reader must not crash, leak or hit undefined
// behaviour, and what the writer makes of the model it read must read again without failure.
#include "model/project.h"
#include "output/datawriter.h"
#include "reader/datareader.h"
#include "reader/encoding.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace menuloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text =
        reader::decodeDataFileText(std::string(reinterpret_cast<const char*>(data), size));
    model::Project project;
    reader::readDataText(project, text);

    const std::string written = output::renderDataFile(project, false);
    model::Project again;
    if (!reader::readDataText(again, written).ok())
        __builtin_trap();
    return 0;
}
