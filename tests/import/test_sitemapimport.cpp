#include "importhelpers.h"

#include "import/textrules.h"

#include <filesystem>

using namespace menuloom;
using namespace menuloom::testing;

// Addresses become a tree by their paths, in the order they first appear: the root is "Home",
// parents the sitemap does not list are items without a link, names are percent-decoded with
// the extension dropped, "-" and "_" read as spaces and the first letter capitalised; a query
// makes an item of its own and an address listed twice gives one item.
TEST(SitemapImport, AddressesBecomeATreeByTheirPaths) {
    const importer::OpenResult opened = importer::openSource(importData("sitemap.xml"));
    ASSERT_TRUE(opened.ok()) << opened.message;
    const importer::Source& map = *opened.source;
    EXPECT_EQ(map.kind(), importer::SourceKind::Sitemap);
    ASSERT_EQ(map.candidates().size(), 1u);
    EXPECT_EQ(map.candidates()[0].label(), "sitemap: Home, Products, Café crème");
    EXPECT_EQ(map.candidates()[0].linkCount, 7);
    const std::string site = "https://www.example.com";
    EXPECT_EQ(outline(map.items(0).items),
              "Home^" + site + "/^^\n" +                                                  //
                  "Products^" + site + "/products/^^\n" +                                 //
                  "|Hardware^^^\n" +                                                      //
                  "||Power drills^" + site + "/products/hardware/power_drills.html^^\n" + //
                  "||Saws^" + site + "/products/hardware/saws.html?colour=red&size=2^^\n" +
                  "|Software^" + site + "/products/software.php^^\n" + //
                  "Café crème^^^\n" +                                  //
                  "|Été menu^" + site + "/caf%C3%A9-cr%C3%A8me/%C3%A9t%C3%A9-menu.html^^\n" +
                  "About us^" + site + "/about-us^^\n");
    EXPECT_FALSE(map.items(1).ok());

    EXPECT_EQ(importer::textOfSegment("version-2.5"), "Version 2.5");
    EXPECT_EQ(importer::textOfSegment("r%E9sum%E9.htm"), "Résumé"); // Windows-1252 bytes
    EXPECT_EQ(importer::textOfSegment("%22quoted%22__name%"), "\"quoted\" name%");
    EXPECT_EQ(importer::textOfSegment(".htaccess"), ".htaccess");
}

// Entities are refused before anything expands or is read (an expansion bomb, an external
// entity, a parameter entity); an external DTD is not fetched; a sitemap index, XML that is not
// well-formed, elements nested past the parser's limit, an element with too many attributes and
// a sitemap without addresses are refused with their reasons.
TEST(SitemapImport, HostileAndBadSitemapsAreRefused) {
    const std::string head = "<?xml version=\"1.0\"?>\n";
    const std::string secret =
        (std::filesystem::temp_directory_path() / "menuloom-secret").string();
    { std::ofstream(secret) << "top-secret"; }
    struct Case {
        std::string bytes;
        std::string message;
    };
    std::string deep = head + "<urlset>";
    for (int i = 0; i < 10000; ++i)
        deep += "<url>";
    std::string attributes = head + "<urlset";
    for (int i = 0; i < 5000; ++i)
        attributes += " a" + std::to_string(i) + "=''";
    attributes += "/>";
    const Case cases[] = {
        {importData("sitemap_bomb.xml"), "declares XML entities, which are refused"},
        {head + "<!DOCTYPE urlset [<!ENTITY s SYSTEM \"file://" + secret +
             "\">]><urlset><url><loc>https://x.example/&s;</loc></url></urlset>",
         "declares XML entities"},
        {head + "<!DOCTYPE urlset [<!ENTITY % p SYSTEM \"file://" + secret + "\"> %p;]><urlset/>",
         "declares XML entities"},
        {head + "<sitemapindex><sitemap><loc>https://x.example/a.xml</loc></sitemap>"
                "</sitemapindex>",
         "this is a sitemap index: import one of the sitemaps it lists (the first is "
         "https://x.example/a.xml)"},
        {head + "<urlset><url><loc>https://x.example/</url></urlset>",
         "not well-formed XML (line 2: Opening and ending tag mismatch: loc line 2 and url)"},
        {head + "<urlset><url><loc>https://x.example/&undeclared;</loc></url></urlset>",
         "not well-formed XML"},
        {deep, "the sitemap nests elements too deep"},
        {attributes, "an element with more than 1024 attributes"},
        {head + "<urlset><url><lastmod>2026-01-01</lastmod></url></urlset>",
         "the sitemap lists no addresses"},
    };
    for (const Case& c : cases) {
        const std::string result = importDefault(c.bytes);
        EXPECT_EQ(result.rfind("refused: ", 0), 0u) << result;
        EXPECT_NE(result.find(c.message), std::string::npos) << result;
        EXPECT_EQ(result.find("top-secret"), std::string::npos);
    }

    // Without a fetch of the external DTD the sitemap imports as it is.
    EXPECT_EQ(importDefault(head + "<!DOCTYPE urlset SYSTEM \"http://127.0.0.1:9/x.dtd\">"
                                   "<urlset><url><loc>https://x.example/a</loc></url></urlset>"),
              "A^https://x.example/a^^\n");
    // An address nesting past the item depth is refused.
    std::string path;
    for (int i = 0; i <= importer::kMaxItemDepth; ++i)
        path += "/d";
    EXPECT_NE(
        importDefault(head + "<urlset><url><loc>https://x.example" + path + "</loc></url></urlset>")
            .find("nests deeper than"),
        std::string::npos);
    std::filesystem::remove(secret);
}
