// The binary form of dialog templates: building it from tables and reading it back.
#include "platform/win/dialog_template.h"

#include <cstring>

#include "platform/win/global_memory.h"
#include "platform/win/module_resources.h"

namespace {

class Writer {
public:
    void Bytes(const void* p, size_t n) {
        const auto* b = static_cast<const BYTE*>(p);
        out.insert(out.end(), b, b + n);
    }
    void Word(WORD w) { Bytes(&w, sizeof w); }
    // A text as 16-bit code units of its 8-bit characters, with its end.
    void Text(const char* s) {
        for (const char* c = s ? s : ""; *c; ++c) Word(static_cast<unsigned char>(*c));
        Word(0);
    }
    void NameOrOrdinal(WORD ordinal, const char* name) {
        if (ordinal != 0) {
            Word(0xFFFF);
            Word(ordinal);
        } else if (name != nullptr && *name) {
            Text(name);
        } else {
            Word(0);
        }
    }
    void AlignDword() {
        while (out.size() % 4 != 0) out.push_back(0);
    }
    std::vector<BYTE> out;
};

class Reader {
public:
    Reader(const BYTE* p, size_t n) : p_(p), n_(n) {}
    bool Bytes(void* dst, size_t n) {
        if (n > n_ - pos_) return false;
        std::memcpy(dst, p_ + pos_, n);
        pos_ += n;
        return true;
    }
    bool Word(WORD& w) { return Bytes(&w, sizeof w); }
    bool Text(std::string& s) {
        s.clear();
        for (;;) {
            WORD w;
            if (!Word(w)) return false;
            if (w == 0) return true;
            // Code units past the 8-bit range have no character here.
            s.push_back(w <= 0xFF ? static_cast<char>(w) : '?');
        }
    }
    bool NameOrOrdinal(WORD& ordinal, std::string& name) {
        ordinal = 0;
        name.clear();
        WORD first;
        if (!Word(first)) return false;
        if (first == 0) return true;
        if (first == 0xFFFF) return Word(ordinal);
        pos_ -= sizeof first;
        return Text(name);
    }
    bool AlignDword() {
        const size_t aligned = (pos_ + 3) & ~static_cast<size_t>(3);
        if (aligned > n_) return false;
        pos_ = aligned;
        return true;
    }

private:
    const BYTE* p_;
    size_t n_;
    size_t pos_ = 0;
};

// The rectangle in dialog units, named alike in the tables, the binary records and what is read
// back.
template <class From, class To>
void CopyRect(const From& from, To& to) {
    to.x = from.x;
    to.y = from.y;
    to.cx = from.cx;
    to.cy = from.cy;
}

}  // namespace

std::vector<BYTE> BuildDialogTemplate(const DialogHeader& h, const DialogItem* pItems, size_t nItems) {
    Writer w;
    DLGTEMPLATE t{};
    t.style = h.style | (h.face != nullptr && *h.face ? static_cast<DWORD>(DS_SETFONT) : 0u);
    t.dwExtendedStyle = h.exStyle;
    t.cdit = static_cast<WORD>(nItems);
    CopyRect(h, t);
    w.Bytes(&t, sizeof t);
    w.Word(0);  // no menu
    w.NameOrOrdinal(0, h.className);
    w.Text(h.caption);
    if (t.style & DS_SETFONT) {
        w.Word(h.pointSize);
        w.Text(h.face);
    }
    for (size_t i = 0; i < nItems; ++i) {
        const DialogItem& it = pItems[i];
        w.AlignDword();
        DLGITEMTEMPLATE item{};
        item.style = it.style | WS_CHILD | WS_VISIBLE;
        item.dwExtendedStyle = it.exStyle;
        CopyRect(it, item);
        item.id = it.id;
        w.Bytes(&item, sizeof item);
        w.NameOrOrdinal(it.classOrdinal, it.className);
        w.Text(it.text);
        w.Word(0);  // no creation data
    }
    return std::move(w.out);
}

bool ParseDialogTemplate(const void* pTemplate, size_t nBytes, ParsedDialogTemplate& out) {
    out = ParsedDialogTemplate{};
    if (pTemplate == nullptr) return false;
    Reader r(static_cast<const BYTE*>(pTemplate), nBytes);
    DLGTEMPLATE t;
    if (!r.Bytes(&t, sizeof t)) return false;
    // The extended form starts with version 1 and 0xFFFF; it is not made here.
    if ((t.style & 0xFFFF) == 0x0001 && (t.style >> 16) == 0xFFFF) return false;
    if (t.cx < 0 || t.cy < 0) return false;
    out.style = t.style;
    out.exStyle = t.dwExtendedStyle;
    CopyRect(t, out);
    if (!r.NameOrOrdinal(out.menuOrdinal, out.menu) || !r.NameOrOrdinal(out.classOrdinal, out.className) ||
        !r.Text(out.caption))
        return false;
    if (t.style & DS_SETFONT) {
        if (!r.Word(out.pointSize) || !r.Text(out.face)) return false;
    }
    out.items.resize(t.cdit);
    for (ParsedDialogItem& it : out.items) {
        DLGITEMTEMPLATE item;
        if (!r.AlignDword() || !r.Bytes(&item, sizeof item)) return false;
        if (item.cx < 0 || item.cy < 0) return false;
        it.style = item.style;
        it.exStyle = item.dwExtendedStyle;
        CopyRect(item, it);
        it.id = item.id;
        if (!r.NameOrOrdinal(it.classOrdinal, it.className) || !r.NameOrOrdinal(it.textOrdinal, it.text)) return false;
        if (it.classOrdinal == 0 && it.className.empty()) return false;  // an item must have a class
        WORD extra;
        if (!r.Word(extra)) return false;
        if (extra != 0) {
            it.creationData.resize(extra);
            if (!r.Bytes(it.creationData.data(), extra)) return false;
        }
    }
    return true;
}

size_t DialogTemplateBound(const void* pTemplate) {
    if (const DWORD n = SizeofLoadedResource(pTemplate)) return n;
    const SIZE_T global = GlobalBytesFrom(pTemplate);
    if (global != static_cast<SIZE_T>(-1)) return global;
    return static_cast<size_t>(-1) / 2;
}
