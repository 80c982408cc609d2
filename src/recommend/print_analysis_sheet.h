#pragma once
// The printed analysis sheet of the analysed race, reached only through the main window's "印刷".

namespace shell {
class App;
}

namespace recommend {

// Rewrites the predicted times of the analysed race's runners from the analysis window's base time,
// then prints and ends one A4 landscape document in millimetres at 9 points: the title, the race
// data with their captions, the runner table's headings and rules, and one row per runner (at most
// 18). Every text is one print at its place, an empty one too. Nothing is printed or changed while
// no race is confirmed. A printout that fails is told by the frontend; nothing comes back here.
void PrintAnalysisSheet(shell::App& app);

}  // namespace recommend
