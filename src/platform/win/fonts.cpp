// Fonts: from a logical font description to a FreeType face found through fontconfig, a Cairo
// scaled font, and the text metrics the platform reports. Faces are cached for the life of the
// process (one per installed file); sized instances in a cache of the ones used last, since
// descriptions from stored styles and templates may name any size; glyph indices and advances of the 256 characters are kept with
// each instance, Cairo keeps the rendered glyphs. The dialog face's bitmap strikes are sized in
// font_strikes.cpp; everything else is drawn from outlines here.
//
// Heights are read as the platform reads them: a negative height is the character (em) height
// in pixels, a positive one the cell height (ascent + descent), 0 a default.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "platform/win/font_internal.h"

namespace gdi::fonts {
namespace {

// The Western code page above 0x7F (0x80..0x9F differ from Latin-1).
constexpr unsigned short kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

unsigned CodePoint(unsigned char c) { return c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c; }

namespace {

// Faces the system's texts name, mapped onto the metric-compatible faces that are installed, or
// onto the bitmap dialog face, whose missing sizes ResolveFont draws with its stand-in.
std::string FamilyFor(const LOGFONTA& lf) {
    std::string name(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    static const std::map<std::string, std::string> kAliases = {
        {"arial", "Liberation Sans"},           {"ms sans serif", kDialogBitmapFamily},
        {"ms shell dlg", "Liberation Sans"},    {"ms shell dlg 2", "Liberation Sans"},
        {"microsoft sans serif", "Liberation Sans"}, {"helvetica", "Liberation Sans"},
        {"system", "Liberation Sans"},          {"tahoma", "Liberation Sans"},
        {"verdana", "Liberation Sans"},         {"times new roman", "Liberation Serif"},
        {"times", "Liberation Serif"},          {"ms serif", "Liberation Serif"},
        {"courier new", "Liberation Mono"},     {"courier", "Liberation Mono"},
        {"fixedsys", "Liberation Mono"},        {"terminal", "Liberation Mono"},
    };
    auto it = kAliases.find(key);
    if (it != kAliases.end()) return it->second;
    if (!name.empty()) return name;
    const int family = lf.lfPitchAndFamily & 0xF0;
    if ((lf.lfPitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN) return "Liberation Mono";
    if (family == FF_ROMAN) return "Liberation Serif";
    return "Liberation Sans";
}

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        FT_Init_FreeType(&l);
        return l;
    }();
    return lib;
}

const cairo_user_data_key_t kFaceKey{};

// The project's font files (scripts/setup.sh installs their packages): the metric-compatible
// outline faces, and the bitmap face that the dialogs name.
constexpr const char* kOutlineDir = "/usr/share/fonts/truetype/liberation2";
constexpr const char* kDialogBitmapFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";

// A private configuration over those files only: the same faces and metrics on every machine,
// whatever else is installed or configured, and the user's own configuration left untouched.
// Without the outline faces the system's configuration is used.
// fontconfig keeps its patterns with offsets instead of pointers, so the configuration is
// destroyed at exit rather than left to the process's end (leak checkers could not follow it).
struct ConfigHolder {
    FcConfig* config = nullptr;
    ConfigHolder() {
        config = FcConfigCreate();
        std::error_code ec;
        // Added file by file: adding a directory would try to write a cache for it.
        for (const auto& entry : std::filesystem::directory_iterator(kOutlineDir, ec))
            if (config != nullptr && entry.path().extension() == ".ttf")
                FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(entry.path().c_str()));
        FcFontSet* set = config != nullptr ? FcConfigGetFonts(config, FcSetApplication) : nullptr;
        if (set == nullptr || set->nfont == 0) {
            if (config != nullptr) FcConfigDestroy(config);
            config = FcInitLoadConfigAndFonts();
        } else if (std::filesystem::exists(kDialogBitmapFile, ec)) {
            FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(kDialogBitmapFile));
        }
    }
    ~ConfigHolder() {
        if (config != nullptr) FcConfigDestroy(config);
        FcFini();
    }
};

void DoneFace(void* p) { FT_Done_Face(static_cast<FT_Face>(p)); }

// The outline face fontconfig picks for a family, weight and slant; null when nothing loads or
// the best match has no outlines.
const Face* FindFace(const std::string& family, int weight, bool italic) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcPattern* match = Match(pat);
    FcPatternDestroy(pat);
    FcBool scalable = FcFalse;
    const Face* face = nullptr;
    if (match != nullptr && FcPatternGetBool(match, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable)
        face = OpenFace(match, false);
    if (match != nullptr) FcPatternDestroy(match);
    return face;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

std::unique_ptr<FontInstance> MakeInstance(const LOGFONTA& lf, const Face& face) {
    auto fi = std::make_unique<FontInstance>();
    FT_Face ft = face.ft;
    const double upem = ft->units_per_EM > 0 ? ft->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(ft, FT_SFNT_HHEA));
    const double winAscent = os2 != nullptr ? os2->usWinAscent : ft->ascender;
    const double winDescent = os2 != nullptr ? os2->usWinDescent : -ft->descender;
    double ppem;
    if (lf.lfHeight < 0)
        ppem = -static_cast<double>(lf.lfHeight);
    else if (lf.lfHeight > 0)
        ppem = lf.lfHeight * upem / (winAscent + winDescent);
    else
        ppem = 12;
    ppem = std::min(ppem, 2000.0);
    const double scale = ppem / upem;
    TEXTMETRICA& tm = fi->tm;
    // A cell height is split in the face's proportion; otherwise ascent and descent are rounded
    // up, so that no glyph reaches outside the cell.
    if (lf.lfHeight > 0) {
        tm.tmAscent = Round(lf.lfHeight * winAscent / (winAscent + winDescent));
        tm.tmDescent = lf.lfHeight - tm.tmAscent;
    } else {
        tm.tmAscent = static_cast<int>(std::ceil(winAscent * scale - 1e-6));
        tm.tmDescent = static_cast<int>(std::ceil(winDescent * scale - 1e-6));
    }
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - Round(ppem));
    if (hhea != nullptr) {
        const double gap = hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
        tm.tmExternalLeading = std::max(0, Round(gap * scale));
    }
    const double avg = os2 != nullptr && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth * scale : ppem / 2;
    // A width stretches the glyphs, within reason: descriptions come from stored styles.
    const double xscale = lf.lfWidth > 0 && avg > 0 ? std::clamp(lf.lfWidth / avg, 0.05, 20.0) : 1.0;
    tm.tmAveCharWidth = Round(avg * xscale);
    tm.tmMaxCharWidth = Round((ft->bbox.xMax - ft->bbox.xMin) * scale * xscale);
    DescribedMetrics(tm, lf);
    BYTE family = FF_SWISS;
    if (os2 != nullptr) {
        switch (os2->sFamilyClass >> 8) {
            case 1: case 2: case 3: case 4: case 5: case 7: family = FF_ROMAN; break;
            case 10: family = FF_SCRIPT; break;
            case 12: family = FF_DECORATIVE; break;
            default: family = FF_SWISS; break;
        }
    }
    if (face.fixed) family = FF_MODERN;
    tm.tmPitchAndFamily = static_cast<BYTE>(family | TMPF_VECTOR | TMPF_TRUETYPE | (face.fixed ? 0 : TMPF_FIXED_PITCH));
    std::strncpy(fi->face, face.family.c_str(), LF_FACESIZE - 1);

    fi->underlinePos = std::max(1, Round(-ft->underline_position * scale));
    fi->underlineThickness = std::max(1, Round(ft->underline_thickness * scale));
    fi->strikePos = os2 != nullptr ? Round(os2->yStrikeoutPosition * scale) : tm.tmAscent / 3;
    fi->strikeThickness = os2 != nullptr ? std::max(1, Round(os2->yStrikeoutSize * scale)) : 1;

    cairo_matrix_t fm, ctm;
    cairo_matrix_init_scale(&fm, ppem * xscale, ppem);
    cairo_matrix_init_identity(&ctm);
    cairo_font_options_t* opt = cairo_font_options_create();
    cairo_font_options_set_antialias(opt, lf.lfQuality == NONANTIALIASED_QUALITY ? CAIRO_ANTIALIAS_NONE
                                                                                  : CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
    fi->scaled = cairo_scaled_font_create(face.cairo, &fm, &ctm, opt);
    cairo_font_options_destroy(opt);
    MeasureGlyphs(*fi, ft);
    return fi;
}

}  // namespace

FcConfig* Config() {
    static ConfigHolder holder;
    return holder.config;
}

FcPattern* Match(FcPattern* pattern) {
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    return FcFontMatch(Config(), pattern, &result);
}

const Face* OpenFace(FcPattern* match, bool emboldened) {
    static auto* faces = new std::map<std::string, Face*>();  // lives as long as the process
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return nullptr;
    int index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    const std::string key = std::string(reinterpret_cast<const char*>(file)) + '\n' + std::to_string(index) +
                            (emboldened ? "\nbold" : "");
    auto it = faces->find(key);
    if (it != faces->end()) return it->second;
    Face* face = nullptr;
    FT_Face ft = nullptr;
    if (Library() != nullptr && FT_New_Face(Library(), reinterpret_cast<const char*>(file), index, &ft) == 0) {
        face = new Face();
        face->ft = ft;
        face->cairo = cairo_ft_font_face_create_for_ft_face(ft, 0);
        cairo_font_face_set_user_data(face->cairo, &kFaceKey, ft, DoneFace);
        if (emboldened) cairo_ft_font_face_set_synthesize(face->cairo, CAIRO_FT_SYNTHESIZE_BOLD);
        FcChar8* fam = nullptr;
        face->family = FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch
                           ? reinterpret_cast<const char*>(fam)
                           : std::string();
        face->fixed = FT_IS_FIXED_WIDTH(ft);
    }
    (*faces)[key] = face;
    return face;
}

void MeasureGlyphs(FontInstance& fi, FT_Face ft) {
    for (int c = 0; c < 256; ++c) {
        fi.glyph[c] = FT_Get_Char_Index(ft, CodePoint(static_cast<unsigned char>(c)));
        if (c < 0x20 && fi.glyph[c] == 0) {
            fi.advance[c] = 0;
            continue;
        }
        cairo_glyph_t g{fi.glyph[c], 0, 0};
        cairo_text_extents_t ext;
        cairo_scaled_font_glyph_extents(fi.scaled, &g, 1, &ext);
        fi.advance[c] = Round(ext.x_advance);
    }
}

void DescribedMetrics(TEXTMETRICA& tm, const LOGFONTA& lf) {
    tm.tmWeight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : lf.lfWeight;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = GetScreenDpi();
    tm.tmFirstChar = 0x1E;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = lf.lfItalic ? 1 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 1 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 1 : 0;
    tm.tmCharSet = ANSI_CHARSET;
}

}  // namespace gdi::fonts

namespace gdi {

namespace {

// Sized instances by description, with the turn each was last asked for. Enough for every font a
// session of dialogs and grids keeps using; the one asked for longest ago makes room.
constexpr size_t kInstancesKept = 64;
struct CachedInstance {
    std::shared_ptr<const FontInstance> instance;
    unsigned long long lastUse = 0;
};

std::unique_ptr<FontInstance> MakeAnyInstance(const LOGFONTA& lf, const std::string& family, int weight) {
    using namespace fonts;
    std::string outline = family;
    if (family == kDialogBitmapFamily) {
        if (auto fi = MakeStrikeInstance(lf, family)) return fi;
        outline = kDialogStandIn;
    }
    const Face* face = FindFace(outline, weight, lf.lfItalic != 0);
    if (face == nullptr) face = FindFace(kDialogStandIn, weight, lf.lfItalic != 0);
    if (face == nullptr) face = FindFace("sans-serif", FW_NORMAL, false);
    if (face != nullptr) return MakeInstance(lf, *face);
    // No font at all: an instance without glyphs, so that measuring still answers.
    auto fi = std::make_unique<FontInstance>();
    fi->tm.tmHeight = fi->tm.tmAscent = 1;
    return fi;
}

}  // namespace

std::shared_ptr<const FontInstance> ResolveFont(const LOGFONTA& lf) {
    static auto* instances = new std::map<std::string, CachedInstance>();  // lives as long as the process
    static unsigned long long turn = 0;
    const std::string family = fonts::FamilyFor(lf);
    const int weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(lf.lfWeight, 1, 1000);
    std::string key = family;
    key += '\n';
    key += std::to_string(lf.lfHeight) + ' ' + std::to_string(lf.lfWidth) + ' ' + std::to_string(weight) + ' ' +
           std::to_string(lf.lfItalic != 0) + std::to_string(lf.lfUnderline != 0) + std::to_string(lf.lfStrikeOut != 0) +
           std::to_string(lf.lfQuality == NONANTIALIASED_QUALITY) + ' ' + std::to_string(GetScreenDpi());
    ++turn;
    auto it = instances->find(key);
    if (it != instances->end()) {
        it->second.lastUse = turn;
        return it->second.instance;
    }
    if (instances->size() >= kInstancesKept) {
        auto oldest = std::min_element(instances->begin(), instances->end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        instances->erase(oldest);
    }
    std::shared_ptr<const FontInstance> fi = MakeAnyInstance(lf, family, weight);
    instances->emplace(std::move(key), CachedInstance{fi, turn});
    return fi;
}

const FontInstance& FontOf(DC& dc) {
    Font& f = *dc.st.font;
    if (f.instance == nullptr) f.instance = ResolveFont(f.lf);
    return *f.instance;
}

void DrawGlyphs(DC& dc, const FontInstance& f, int x, int y, const char* s, int n, const int* dx) {
    if (n <= 0 || f.scaled == nullptr) return;
    cairo_t* cr = Prepare(dc);
    const COLORREF c = ResolveColorRef(dc.st.text);
    SetSolidSource(dc, Pixel(c));
    cairo_glyph_t local[128];
    std::vector<cairo_glyph_t> heap;
    cairo_glyph_t* glyphs = local;
    if (n > 128) {
        heap.resize(static_cast<size_t>(n));
        glyphs = heap.data();
    }
    int pen = x;
    for (int i = 0; i < n; ++i) {
        const auto ch = static_cast<unsigned char>(s[i]);
        glyphs[i] = {f.glyph[ch], static_cast<double>(pen), static_cast<double>(y)};
        pen += dx != nullptr ? dx[i] : f.advance[ch];
    }
    cairo_set_scaled_font(cr, f.scaled);
    cairo_show_glyphs(cr, glyphs, n);
    const uint32_t px = Pixel(c);
    if (f.tm.tmUnderlined) FillDevRectColor(dc, {x, y + f.underlinePos, pen, y + f.underlinePos + f.underlineThickness}, px);
    if (f.tm.tmStruckOut) FillDevRectColor(dc, {x, y - f.strikePos, pen, y - f.strikePos + f.strikeThickness}, px);
}

}  // namespace gdi
