// The grid's cursors, which the host supplies: sizing a column and a row at their borders, the
// edge of a selection, and selecting a column or a row by its header. Each is drawn from strokes
// on a 16 by 16 grid, black with a white rim so that it shows on any background.
#include <string>
#include <vector>

#include "host/resources/host_resources.h"
#include "platform/win/cursor_resource.h"
#include "platform/win/module_resources.h"

namespace host_resources {
namespace {

constexpr int kSize = 16;

struct Canvas {
    std::vector<std::string> rows = std::vector<std::string>(kSize, std::string(kSize, '.'));
    void Set(int x, int y) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) rows[size_t(y)][size_t(x)] = '#';
    }
    void HLine(int x0, int x1, int y) {
        for (int x = x0; x <= x1; ++x) Set(x, y);
    }
    void VLine(int x, int y0, int y1) {
        for (int y = y0; y <= y1; ++y) Set(x, y);
    }
    // An arrow head at (x, y) pointing along (dx, dy), three steps long.
    void Head(int x, int y, int dx, int dy) {
        for (int k = 1; k <= 3; ++k) {
            if (dx != 0) VLine(x - dx * k, y - k, y + k);
            else HLine(x - k, x + k, y - dy * k);
        }
    }
    // Every transparent pixel next to a black one turns white.
    std::vector<std::string> Rimmed() const {
        std::vector<std::string> out = rows;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                if (rows[size_t(y)][size_t(x)] != '.') continue;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && rows[size_t(ny)][size_t(nx)] == '#')
                            out[size_t(y)][size_t(x)] = 'o';
                    }
            }
        return out;
    }
};

// A double arrow across a double bar: sideways for columns, up and down for rows.
std::vector<std::string> Sizing(bool bColumns) {
    Canvas c;
    for (int i = 1; i <= 13; ++i) bColumns ? c.Set(i, 7) : c.Set(7, i);
    bColumns ? (c.VLine(6, 2, 12), c.VLine(8, 2, 12)) : (c.HLine(2, 12, 6), c.HLine(2, 12, 8));
    if (bColumns) c.Head(1, 7, -1, 0), c.Head(13, 7, 1, 0);
    else c.Head(7, 1, 0, -1), c.Head(7, 13, 0, 1);
    return c.Rimmed();
}

// Four arrows out of the centre: a selection's edge takes the selection along.
std::vector<std::string> Move() {
    Canvas c;
    c.HLine(1, 13, 7);
    c.VLine(7, 1, 13);
    c.Head(1, 7, -1, 0);
    c.Head(13, 7, 1, 0);
    c.Head(7, 1, 0, -1);
    c.Head(7, 13, 0, 1);
    return c.Rimmed();
}

// A thick arrow down a column header, or along a row header.
std::vector<std::string> Select(bool bColumn) {
    Canvas c;
    for (int w = 6; w <= 8; ++w) bColumn ? c.VLine(w, 1, 12) : c.HLine(1, 12, w);
    bColumn ? c.Head(7, 13, 0, 1) : c.Head(13, 7, 1, 0);
    return c.Rimmed();
}

}  // namespace

bool RegisterCursors(HMODULE hModule) {
    const struct {
        WORD nId;
        std::vector<std::string> rows;
    } cursors[] = {{23191, Sizing(true)}, {23205, Sizing(false)}, {23203, Move()}, {23201, Select(true)},
                   {23202, Select(false)}};
    bool bOk = true;
    for (const auto& c : cursors) {
        const std::vector<BYTE> bytes = BuildMonochromeCursor(POINT{7, 7}, c.rows);
        bOk = !bytes.empty() && AddModuleResource(hModule, RT_CURSOR, MAKEINTRESOURCEA(c.nId), bytes.data(),
                                                  static_cast<DWORD>(bytes.size())) &&
              bOk;
    }
    return bOk;
}

}  // namespace host_resources
