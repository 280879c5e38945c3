#include "grid/style/face_map.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <memory>

namespace {
constexpr BYTE kAnsiCharset = 0;
constexpr BYTE kSymbolCharset = 2;

// Scalable outline formats answer as TrueType; bitmap formats as raster fonts.
WORD FontType(FcPattern* pFont) {
    FcChar8* format = nullptr;
    FcBool scalable = FcTrue;
    FcPatternGetBool(pFont, FC_SCALABLE, 0, &scalable);
    if (FcPatternGetString(pFont, FC_FONTFORMAT, 0, &format) == FcResultMatch && format != nullptr) {
        const char* f = reinterpret_cast<const char*>(format);
        if (std::strcmp(f, "TrueType") == 0 || std::strcmp(f, "CFF") == 0) return GX_TRUETYPE_FONTTYPE;
    }
    return scalable ? GX_TRUETYPE_FONTTYPE : GX_RASTER_FONTTYPE;
}

// A font that has no Latin capital A is a symbol font; every other one is read as ANSI.
BYTE CharSet(FcPattern* pFont) {
    FcCharSet* pCharSet = nullptr;
    if (FcPatternGetCharSet(pFont, FC_CHARSET, 0, &pCharSet) == FcResultMatch && pCharSet != nullptr &&
        !FcCharSetHasChar(pCharSet, 'A'))
        return kSymbolCharset;
    return kAnsiCharset;
}

void Build(CGXCollMapStringToWord& map) {
    FcConfig* pConfig = FcInitLoadConfigAndFonts();
    if (pConfig == nullptr) return;
    FcPattern* pPattern = FcPatternCreate();
    FcObjectSet* pObjects = FcObjectSetBuild(FC_FAMILY, FC_FONTFORMAT, FC_SCALABLE, FC_CHARSET, nullptr);
    FcFontSet* pFonts = (pPattern != nullptr && pObjects != nullptr) ? FcFontList(pConfig, pPattern, pObjects) : nullptr;
    if (pFonts != nullptr) {
        for (int i = 0; i < pFonts->nfont; ++i) {
            FcPattern* pFont = pFonts->fonts[i];
            WORD wEntry = static_cast<WORD>((FontType(pFont) << 8) | CharSet(pFont));
            FcChar8* family = nullptr;
            // A font may answer to several family names; each is a face that can be asked for.
            for (int n = 0; FcPatternGetString(pFont, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
                const char* name = reinterpret_cast<const char*>(family);
                WORD wOld;
                if (!map.Lookup(name, wOld)) map.SetAt(name, wEntry);
            }
        }
        FcFontSetDestroy(pFonts);
    }
    if (pObjects != nullptr) FcObjectSetDestroy(pObjects);
    if (pPattern != nullptr) FcPatternDestroy(pPattern);
    FcConfigDestroy(pConfig);
}
}  // namespace

const CGXCollMapStringToWord& GXGetFaceNameMap() {
    // Built on first use, freed when the module unloads: the host may load the plug-in again.
    static const std::unique_ptr<const CGXCollMapStringToWord> pMap = [] {
        auto p = std::make_unique<CGXCollMapStringToWord>();
        Build(*p);
        return p;
    }();
    return *pMap;
}

BYTE GXGetFaceCharSet(const char* pszFaceName) {
    WORD w = 0;
    if (pszFaceName == nullptr || !GXGetFaceNameMap().Lookup(pszFaceName, w)) return 0;
    return static_cast<BYTE>(w & 0xFF);
}
