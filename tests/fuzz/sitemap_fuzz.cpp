// libFuzzer target: any bytes as a sitemap to import. The importer must not crash, leak or hit
// undefined behaviour, and what it imports must come back unchanged from a data file.
#include "import/sitemapsource.h"
#include "importcheck.h"

#include <cstdint>
#include <string_view>

using namespace menuloom;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::checkImport(
        importer::openSitemap(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
