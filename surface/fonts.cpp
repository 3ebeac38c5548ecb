#include "surface/fonts.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "surface/surface.h"

namespace surface {

namespace {

// Every gothic text is drawn in this face: it has the fixed half-width and
// full-width cells the layouts count on, a zero without a slash (a slashed
// zero reads as a cancellation stroke on the blackboard) and a real bold.
constexpr char kGothicFamily[] = "BIZ UDGothic";
constexpr char kGothicPackage[] = "fonts-morisawa-bizud-gothic";

// A font file for a family and style, or "" when fontconfig has none of that
// family in that weight (it would otherwise answer a bold with the regular).
std::string FindFile(const std::string& family, int weight, int slant) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, weight);
    FcPatternAddInteger(pat, FC_SLANT, slant);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    std::string file;
    if (match) {
        FcChar8* fam = nullptr;
        FcChar8* path = nullptr;
        // fontconfig always answers with something; only the family asked for will do.
        bool same = false;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &fam) == FcResultMatch; ++i)
            if (family == reinterpret_cast<const char*>(fam)) same = true;
        int found_weight = FC_WEIGHT_REGULAR;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &found_weight);
        if ((found_weight >= FC_WEIGHT_DEMIBOLD) != (weight >= FC_WEIGHT_DEMIBOLD)) same = false;
        if (same && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

}  // namespace

struct Fonts::Impl {
    FT_Library lib = nullptr;
    std::map<std::tuple<int, bool, bool>, FaceChoice> faces;  // by (kind, bold, italic)
    std::vector<FT_Face> ft_faces;
    std::string gothic[2];    // [bold]
    std::string serif[2][2];  // [bold][italic]

    // `baseline` in font sizes below the top of the text; < 0: the face's ascent.
    FaceChoice Make(const std::string& path, bool synth_bold, bool synth_italic, bool script_l,
                    double em_x, double em_y, double baseline = -1) {
        // Each cairo face keeps its own synthesis flags, so each gets its own FT_Face.
        FT_Face ft = nullptr;
        if (FT_New_Face(lib, path.c_str(), 0, &ft) != 0)
            throw MissingFont{"cannot read the font file " + path};
        cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(ft, 0);
        unsigned synth = (synth_bold ? CAIRO_FT_SYNTHESIZE_BOLD : 0) |
                         (synth_italic ? CAIRO_FT_SYNTHESIZE_OBLIQUE : 0);
        if (synth) cairo_ft_font_face_set_synthesize(cf, synth);
        ft_faces.push_back(ft);
        double ascent = static_cast<double>(ft->ascender) / ft->units_per_EM;
        return FaceChoice{cf, ft, em_x, em_y, baseline < 0 ? ascent * em_y : baseline, script_l};
    }
};

unsigned GlyphIndex(const FaceChoice& face, char32_t cp) {
    if (face.script_l && cp == U'l') cp = U'\u2113';
    return FT_Get_Char_Index(static_cast<FT_Face>(face.ft_face), cp);
}

Fonts::Fonts() : impl_(new Impl) {
    if (!FcInit()) throw MissingFont{"fontconfig could not start"};
    FT_Init_FreeType(&impl_->lib);
    for (int b = 0; b < 2; ++b) {
        impl_->gothic[b] = FindFile(kGothicFamily, b ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR,
                                    FC_SLANT_ROMAN);
        if (impl_->gothic[b].empty())
            throw MissingFont{std::string("the Japanese gothic font ") + kGothicFamily +
                              (b ? " Bold" : "") + " is not installed: apt-get install " +
                              kGothicPackage};
    }
    for (int b = 0; b < 2; ++b)
        for (int i = 0; i < 2; ++i) {
            impl_->serif[b][i] = FindFile("Liberation Serif", b ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR,
                                          i ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
            if (impl_->serif[b][i].empty())
                throw MissingFont{
                    "the serif font Liberation Serif is not installed: apt-get install "
                    "fonts-liberation2"};
        }
}

Fonts& Fonts::Get() {
    // Lives for the whole process: cairo keeps faces in its caches until exit.
    static Fonts* fonts = new Fonts;
    return *fonts;
}

const FaceChoice& Fonts::Choose(const Str& name, bool bold, bool italic) {
    // 0: gothic (any other name too), 1: "Times New Roman", 2: "MT Extra".
    int kind = name == "Times New Roman" ? 1 : name == "MT Extra" ? 2 : 0;
    auto key = std::make_tuple(kind, bold, italic);
    auto it = impl_->faces.find(key);
    if (it != impl_->faces.end()) return it->second;
    FaceChoice f;
    if (kind == 0) {
        // The gothic em is the size: a full-width character fills s by s.
        f = impl_->Make(impl_->gothic[bold], false, italic, false, 1, 1);
        f.marks_left = true;
    } else if (kind == 1) {
        // The formula letters a, x and c are set small and strongly
        // magnified, their cells well above the line: drawn low in the cell
        // and narrow, they stand on the baseline of the gothic
        // digits beside them ("2x" must not read as a power of 2) and keep
        // within their advance.
        f = impl_->Make(impl_->serif[bold][italic], false, false, false, 0.65, 1, 1.125);
    } else {
        f = impl_->Make(impl_->serif[bold][italic], false, false, true, 1, 1);
    }
    return impl_->faces.emplace(key, f).first->second;
}

}  // namespace surface
