#include "bench/whole_meeting_actions.h"

#include <iterator>

namespace bench {
namespace {

namespace fs = std::filesystem;

// The going list has four entries; the races take them in turn so every going is analysed.
constexpr int kGoings = 4;
// The middle of runner 1's name cell on the runner grid (row 2, rows of 230 twips).
constexpr char kGraphPress[] = "mousedown frmAg3.MSFlexGrid2 800 575";

void AddRaceChoice(std::vector<UserAction>& actions, int race, int races) {
  // From an empty selector the first UP shows race 1; one UP past the race and a DN back, but the
  // last race is reached with UP alone.
  const int ups = race < races ? race + 1 : race;
  for (int k = 0; k < ups; ++k) actions.push_back({"UP", "click frmAg3.Command16"});
  if (race < races) actions.push_back({"DN", "click frmAg3.Command17"});
  actions.push_back({"confirm", "click frmAg3.Command18"});
  actions.push_back({"going", "select frmAg3.Combo1 " + std::to_string((race - 1) % kGoings)});
}

void AddRaceAnalysis(std::vector<UserAction>& actions) {
  const UserAction steps[] = {
      {"basic analysis", "click frmAg3.Command20"},
      {"secondary analysis", "click frmAg3.Command5"},
      {"class view", "click frmAg3.Command3"},
      {"time view", "click frmAg3.Command4"},
      {"colouring", "click frmAg3.Command9"},
      {"filter", "click frmAg3.Command10"},
      {"recommendation", "click frmAg3.Command11"},
      {"print tick", "click frmAg0.Check1"},
      {"print", "click frmAg0.Command4"},
      {"navigator switch", "click frmAg3.Check4"},
      {"navigator analysis", "click frmAg13.Command2"},
      {"axis navigation", "click frmAg13.Command1"},
      {"evaluation switch", "click frmAg3.Check7"},
      {"overall evaluation", "click frmAg15.Command1"},
      {"graph switch", "click frmAg3.Check5"},
      {"graph press", kGraphPress},
      {"results", "click frmAg3.Command6"},
      {"training", "click frmAg3.Command13"},
      {"training view 2", "click frmAg12.Option2"},
      {"training view 1", "click frmAg12.Option1"},
      {"individual data", "click frmAg3.Command7"},
      {"uncolour tick", "click frmAg3.Check1"},
      {"uncolour", "click frmAg3.Command15"},
      {"NEXT arm", "click frmAg3.Option1"},
      {"NEXT", "click frmAg3.Command12"},
  };
  actions.insert(actions.end(), std::begin(steps), std::end(steps));
}

}  // namespace

std::string RoadLines(const fs::path& folder) {
  return "click frmAg1.Command1\n"
         "folder " +
         folder.generic_string() +
         "\n"
         "click frmAg2.Command1\n"
         "click frmAg2.Command7\n"
         "click frmAg2.Command8\n"
         "tick frmAg2.Timer1 2\n";
}

std::vector<UserAction> RaceActions(int race, int races) {
  std::vector<UserAction> actions;
  AddRaceChoice(actions, race, races);
  AddRaceAnalysis(actions);
  return actions;
}

std::vector<UserAction> WholeMeetingActions(int races) {
  std::vector<UserAction> actions;
  for (int race = 1; race <= races; ++race) {
    AddRaceChoice(actions, race, races);
    AddRaceAnalysis(actions);
  }
  return actions;
}

std::string WholeMeetingScript(const fs::path& folder, int races) {
  std::string script =
      "# The road, then every race through every user action and NEXT.\n" + RoadLines(folder);
  for (int race = 1; race <= races; ++race) {
    script += "# race " + std::to_string(race) + "\n";
    for (const UserAction& action : RaceActions(race, races)) script += action.line + "\n";
  }
  return script;
}

}  // namespace bench
