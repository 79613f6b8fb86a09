// The grid of 10 000 rows and 20 columns: painting what a window shows after a scroll (the
// paint handler's work: every cell in the update region, here the whole client area, drawn into
// a memory bitmap), and sorting the rows by a text column. Goals: a paint under 5 ms, a sort
// under 50 ms. The paint is measured for a grid window of a dialog's size (600 x 400, about 15
// rows of 6 columns) and a large one (880 x 660, about 27 rows of 9), with the cells' texts at
// their top left (the grid's default: drawn without a measure) and centred and cut at the end
// (as the stored-preset manager shows them: each measured, then drawn); nearly all of it is the
// toolkit laying out and drawing the cells' texts. Needs a display (bench.sh starts Xvfb when
// there is none).
#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <random>
#include <string>

#include "bench/WxBenchMain.h"
#include "grid/GridCtrl.h"

namespace {

constexpr int ROWS = 10000;
constexpr int COLS = 20;

// Texts of a few words; column 1 and column 2 hold unrelated random texts, so sorting by one
// leaves the other in random order.
std::string RandomText(std::mt19937& rng)
{
    static const char* const words[] = {"Rock", "Jazz", "Live", "Talk", "Pop", "Hall", "Club", "Room", "流行", "音乐"};
    std::string strText;
    for (int i = 0; i < 3; ++i)
        strText += std::string(words[rng() % 10]) + (i < 2 ? " " : "");
    return strText + " " + std::to_string(rng() % 1000);
}

void FillGrid(CGridCore& grid, unsigned nFormat = 0)
{
    std::mt19937 rng(24);
    for (int r = 0; r < ROWS; ++r)
        for (int c = 0; c < COLS; ++c) {
            grid.SetItemText(r, c, r == 0 ? "Heading " + std::to_string(c) : c < 3 ? RandomText(rng) : "R" + std::to_string(r));
            grid.SetItemFormat(r, c, nFormat);
        }
}

void BM_PaintVisibleRegionAfterScroll(benchmark::State& state)
{
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(900, 700));
    auto* pGrid = new CGridCtrl(ROWS, COLS, 1, 1);
    FillGrid(*pGrid, state.range(2) != 0 ? DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS : 0);
    pGrid->Create(wxRect(0, 0, int(state.range(0)), int(state.range(1))), pFrame, 2724);
    const wxSize client = pGrid->GetClientSize();
    wxBitmap bmp(client.x, client.y, 24);
    wxMemoryDC dc(bmp);
    const int nLimit = pGrid->GetScrollBar(SB_VERT).GetLimit();
    int nStep = 0;
    for (auto _ : state) {
        nStep = (nStep + 1) % 97;
        pGrid->OnVScroll(SB_THUMBTRACK, nLimit / 97 * nStep);
        pGrid->OnDraw(dc);
    }
    const CGridCellRange shown = pGrid->GetVisibleCellRange();
    state.counters["cells shown"] = double((shown.GetMaxRow() - shown.GetMinRow() + 1) * (shown.GetMaxCol() - shown.GetMinCol() + 1));
    pFrame->Destroy();
}
BENCHMARK(BM_PaintVisibleRegionAfterScroll)
    ->ArgNames({"width", "height", "centred"})
    ->Args({600, 400, 0})
    ->Args({600, 400, 1})
    ->Args({880, 660, 0})
    ->Args({880, 660, 1})
    ->Unit(benchmark::kMillisecond);

void BM_SortByTextColumn(benchmark::State& state)
{
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "bench");
    auto* pGrid = new CGridCtrl(ROWS, COLS, 1, 1);
    FillGrid(*pGrid);
    pGrid->Create(wxRect(0, 0, 600, 400), pFrame, 2724);
    bool bFirst = true;
    for (auto _ : state) {
        // Each sort starts from the order of the other random column.
        pGrid->SortByColumn(bFirst ? 1 : 2, true);
        bFirst = !bFirst;
    }
    pFrame->Destroy();
}
BENCHMARK(BM_SortByTextColumn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInWx(argc, argv);
}
