#pragma once
// Seeded random models for the write-read round trip, and a comparison of two models.
//
// The generator stays inside the domain where write -> read gives the same model back. What it
// keeps out, because the data file does not carry it (each loss has its own test):
// - unset entries of menuBorderColor before a set one (the written text skips them);
// - colour and image pairs of a style with one half set (the pair is not written);
// - styles with every group off, and the values of a group that is switched off;
// - "\" in image paths (written as "/");
// - fields no written value depends on: the text of a listed choice, the percentage switch of
//   transparency, the crossframe texts while crossframe support is off;
// - texts the reader takes as something else: "," in the image paths of a style (the pair's
//   separator), "|" at the start of an item text (the tree never holds one), blanks at the ends
//   of style values, and frame numbers too large for a 32-bit integer.

#include "model/project.h"

#include <string>

namespace menuloom::readertest {

struct ModelGenOptions {
    int maxItems = 60;
    int maxDepth = 6;
    int maxItemStyles = 8;
    int maxSmStyles = 5;
};

// Resets `project` and fills every part of it from `seed`.
void generateModel(model::Project& project, unsigned seed, const ModelGenOptions& options = {});

// Empty when the two models are equal (working folder aside); otherwise what differs first.
std::string modelDifference(const model::Project& a, const model::Project& b);

} // namespace menuloom::readertest
