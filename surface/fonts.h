// Faces for text: found through fontconfig, drawn through FreeType.
#pragma once

#include <string>

#include "surface/strings.h"

typedef struct _cairo_font_face cairo_font_face_t;

namespace surface {

// One drawable face: a cairo face, how large its em is across and down
// against the font size, and where its baseline lies below the top of the
// text, in font sizes.
struct FaceChoice {
    cairo_font_face_t* face;
    void* ft_face;     // the FT_Face behind it
    double em_x, em_y;
    double baseline;
    bool script_l;     // "l" is drawn as the script ℓ
    // The half-width ".", "," and "'" keep their ink in the left part of
    // their cell, where the layouts leave room for them between two glyphs.
    bool marks_left = false;
};

// The glyph of a code point in a face (0 when it has none).
unsigned GlyphIndex(const FaceChoice& face, char32_t cp);

class Fonts {
public:
    // The process's fonts, found on first use; throws MissingFont naming
    // what is missing.
    static Fonts& Get();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The face for a face name as the lesson code sets it, in a style.
    const FaceChoice& Choose(const Str& name, bool bold, bool italic);

private:
    Fonts();
    struct Impl;
    Impl* impl_;
};

}  // namespace surface
