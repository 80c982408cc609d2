#pragma once
// One runner's data in the individual-data window: the facts of its last five runs and the parts
// of each run's evaluation value, copied as the intakes and the basic analysis formatted them.

namespace shell {
class App;
}

namespace views {

// Fills the individual-data window with runner j (1 to 18) of race (1 to 12), loading the window
// without showing it when it is not loaded. Every call writes the same cells, so nothing of an
// earlier runner remains.
void FillIndividualData(shell::App& app, int race, int j);

}  // namespace views
