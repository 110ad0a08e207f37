// The chart window's table: the chart space above a strip holding the save button.
#include "chart/frmgraph.h"
#include "shell/Row.h"

namespace tubewise {

const WindowTable<frmgraph::Controls>& frmgraph::Table() {
    using C = frmgraph::Controls;
    static const WindowTable<C> table = [] {
        WindowTable<C> t(WindowRow("frmgraph", "Graph", 10800, 6960, {128, 255, 255}, true));
        t.add(&C::ChartSpace1,
              Row(ControlKind::Chart, "ChartSpace1", "", 0, 0, 10815, 6120).tab(1));
        t.add(Row(ControlKind::SaveDialog, "dlgsave", "", 0, 0, 0, 0));
        t.add(&C::Command1, ButtonRow("Command1", "ذخيره شود", 9120, 6360, 1455, 495)
                                .font(9.75)
                                .back({128, 255, 128})
                                .tab(0));
        t.add(&C::lblstatus, LabelRow("lblstatus", "", 240, 6360, 8640, 495).font(9.75).tab(2));
        t.add(ImageRow("Image1", Picture::SmallTexture, 0, 6120, 10920, 885, true));
        return t;
    }();
    return table;
}

}  // namespace tubewise
