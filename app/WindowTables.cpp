// The composition root's list of the windows' tables; each window keeps its own beside it.
#include "app/WindowTables.h"

#include <algorithm>
#include <stdexcept>

#include "chart/frmgraph.h"
#include "entry/frmdel.h"
#include "entry/frmmpn.h"
#include "register/frmregister.h"
#include "register/frmregsave.h"
#include "results/frmresult.h"
#include "results/frmstats.h"
#include "shell/frmContact.h"
#include "shell/frmabout.h"
#include "shell/frmdarbare.h"
#include "site/frmsite.h"
#include "trays/frmtray.h"

namespace tubewise {
namespace {

std::vector<const WindowSpec*> AllTables() {
    std::vector<const WindowSpec*> tables = {
        &frmabout::Table().spec(),   &frmdel::Table().spec(),   &frmmpn::Table().spec(),
        &frmresult::Table().spec(),  &frmgraph::Table().spec(), &frmContact::Table().spec(),
        &frmdarbare::Table().spec(), &frmstats::Table().spec(),
        &frmtray::Table().spec(),
    };
    // The register's window and its save dialog.
    tables.push_back(&frmregister::Table().spec());
    tables.push_back(&frmregsave::Table().spec());
    tables.push_back(&frmsite::Table().spec());
    std::sort(tables.begin(), tables.end(),
              [](const WindowSpec* a, const WindowSpec* b) { return a->name < b->name; });
    return tables;
}

}  // namespace

const WindowSpec& LayoutOf(std::string_view formName) {
    for (const WindowSpec* table : AllTables())
        if (table->name == formName) return *table;
    throw std::out_of_range("no layout for window " + std::string(formName));
}

std::vector<std::string> LayoutNames() {
    std::vector<std::string> names;
    for (const WindowSpec* table : AllTables()) names.push_back(table->name);
    return names;
}

}  // namespace tubewise
