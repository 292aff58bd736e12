#include "core/OperationWords.h"

#include <gtest/gtest.h>

namespace laytime {
namespace {

constexpr bool Loading = true;
constexpr bool Discharging = false;

TEST(OperationWordsTest, RewordsForTheOperationOfThePort) {
  struct Case {
    const char* text;
    bool loading;
    const char* expected;
  };
  const Case cases[] = {
      {"Loading completed", Discharging, "Discharging completed"},
      {"Vessel loaded", Loading, "Vessel loaded"},
      {"Vessel loaded", Discharging, "Vessel discharged"},
      {"Discharging commenced", Loading, "Loading commenced"},
      {"Discharging completed", Discharging, "Discharging completed"},
      {"cargo discharged", Loading, "cargo loaded"},
      {"Commenced discharge", Loading, "Commenced load"},
      {"Hoses connected", Discharging, "Hoses connected"},
      {"", Loading, ""},
      {"", Discharging, ""},
      // Every occurrence, each word by its own rule, the capital taken from the replaced word.
      {"loading and LOADED, then load again", Discharging,
       "discharging and Discharged, then discharge again"},
      {"Discharged after discharging; discharge done", Loading, "Loaded after loading; load done"},
      {"LOADING COMMENCED", Discharging, "Discharging COMMENCED"},
      {"DiScHaRgE", Loading, "Load"},
      {"Loads checked", Discharging, "Discharges checked"},
      {"Pre-loading survey", Discharging, "Pre-discharging survey"},
      {"Loading/discharging", Discharging, "Discharging/discharging"},
      {"(load)", Discharging, "(discharge)"},
      // A word that only contains the searched one is left alone.
      {"Vessel unloaded", Discharging, "Vessel unloaded"},
      {"Unloading commenced", Discharging, "Unloading commenced"},
      {"Payload checked", Discharging, "Payload checked"},
      {"Reloading", Discharging, "Reloading"},
      {"Predischarge survey", Loading, "Predischarge survey"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AdaptOperationWords(c.text, c.loading), c.expected)
        << '"' << c.text << "\" for " << (c.loading ? "loading" : "discharging");
  }
}

TEST(OperationWordsTest, AdaptingTwiceChangesNothingMore) {
  for (const char* text : {"Loading commenced", "Vessel loaded", "Commenced load"}) {
    const std::string once = AdaptOperationWords(text, Discharging);
    EXPECT_EQ(AdaptOperationWords(once, Discharging), once) << text;
    EXPECT_EQ(AdaptOperationWords(once, Loading), text) << text;
  }
}

} // namespace
} // namespace laytime
