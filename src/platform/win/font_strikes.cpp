// Bitmap strikes: a face that has no outlines, only glyph pictures drawn for a few pixel sizes.
// The dialog face is such a face, and the dialogs are laid out in its measures, so a size it has
// is drawn from its strike, pixel for pixel, and a size it lacks is left to an outline face.
//
// A strike names its cell height (ascent + descent) as its size. Its character height, which a
// negative logical height asks for, is the ascent: the accents of capitals sit in the internal
// leading above the character height, which these faces put into their ascent.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/win/font_internal.h"

namespace gdi::fonts {
namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The bitmap-only face of a family, found through fontconfig; null when the configuration has
// none of that name (its package is missing).
const Face* FindStrikeFace(const std::string& family, bool bold) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddBool(pat, FC_SCALABLE, FcFalse);
    FcPattern* match = Match(pat);
    FcPatternDestroy(pat);
    if (match == nullptr) return nullptr;
    FcChar8* found = nullptr;
    FcBool scalable = FcTrue;
    const Face* face = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &found) == FcResultMatch &&
        FcStrCmpIgnoreCase(found, reinterpret_cast<const FcChar8*>(family.c_str())) == 0 &&
        FcPatternGetBool(match, FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable)
        face = OpenFace(match, bold);
    FcPatternDestroy(match);
    return face;
}

cairo_scaled_font_t* ScaledStrike(const Face& face, double ppem) {
    cairo_matrix_t fm, ctm;
    cairo_matrix_init_scale(&fm, ppem, ppem);
    cairo_matrix_init_identity(&ctm);
    cairo_font_options_t* opt = cairo_font_options_create();
    // The glyphs are one-bit pictures: drawn as they are, in the text colour, never smoothed.
    cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
    cairo_scaled_font_t* scaled = cairo_scaled_font_create(face.cairo, &fm, &ctm, opt);
    cairo_font_options_destroy(opt);
    return scaled;
}

}  // namespace

std::unique_ptr<FontInstance> MakeStrikeInstance(const LOGFONTA& lf, const std::string& family) {
    // A strike is drawn at its own size only; stretching or slanting it is left to outlines.
    if (lf.lfHeight == 0 || lf.lfWidth != 0 || lf.lfItalic) return nullptr;
    const bool bold = lf.lfWeight >= FW_SEMIBOLD;
    const Face* face = FindStrikeFace(family, bold);
    if (face == nullptr) return nullptr;
    const FT_Face ft = face->ft;
    for (int i = 0; i < ft->num_fixed_sizes; ++i) {
        // Each strike is sized through Cairo, which owns the face's current size.
        const double ppem = ft->available_sizes[i].y_ppem / 64.0;
        if (ppem <= 0) continue;
        cairo_scaled_font_t* scaled = ScaledStrike(*face, ppem);
        cairo_font_extents_t ext;
        cairo_scaled_font_extents(scaled, &ext);
        const int ascent = Round(ext.ascent), descent = Round(ext.descent);
        const long long asked = lf.lfHeight;
        const bool fits = asked < 0 ? ascent == -asked : ascent + descent == asked;
        if (!fits || cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) {
            cairo_scaled_font_destroy(scaled);
            continue;
        }
        auto fi = std::make_unique<FontInstance>();
        fi->scaled = scaled;
        MeasureGlyphs(*fi, ft);
        TEXTMETRICA& tm = fi->tm;
        tm.tmAscent = ascent;
        tm.tmDescent = descent;
        tm.tmHeight = ascent + descent;
        tm.tmInternalLeading = tm.tmHeight - ascent;
        tm.tmExternalLeading = std::max(0, Round(ext.height) - tm.tmHeight);
        // A bitmap face's average width is that of its "x"; the widest character is measured.
        tm.tmAveCharWidth = fi->advance[static_cast<unsigned char>('x')];
        tm.tmMaxCharWidth = *std::max_element(fi->advance + 0x20, fi->advance + 0x100);
        DescribedMetrics(tm, lf);
        tm.tmPitchAndFamily = static_cast<BYTE>(FF_SWISS | (face->fixed ? 0 : TMPF_FIXED_PITCH));
        std::strncpy(fi->face, face->family.c_str(), LF_FACESIZE - 1);
        // The faces' own underline fields do not fit their strikes: the underline takes a row
        // in the middle of the descent, one pixel thick; the strike-out crosses the lowercase
        // letters, as the face says, kept inside the ascent.
        const double scale = ft->units_per_EM > 0 ? ppem / ft->units_per_EM : 0;
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
        fi->underlinePos = std::max(1, descent / 2);
        fi->underlineThickness = 1;
        const int strike = os2 != nullptr ? Round(os2->yStrikeoutPosition * scale) : ascent / 3;
        fi->strikePos = std::clamp(strike, 1, std::max(1, ascent - 1));
        fi->strikeThickness = 1;
        return fi;
    }
    return nullptr;
}

}  // namespace gdi::fonts
