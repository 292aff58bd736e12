#include "ScenarioBuilder.h"

#include "calc/SyntheticLineMarker.h"
#include "core/Calendar.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace laytime::scenario {

namespace {

struct TConditionName {
  std::string_view Name;
  TFactCode Code;
  double DefaultPct;
};

constexpr std::array<TConditionName, 15> ConditionNames{{
    {"-", TFactCode::undef_tfact, EmptyReal},
    {"full", TFactCode::full_tfact, 100.0},
    {"rain", TFactCode::rain_tfact, 0.0},
    {"ntc", TFactCode::ntc_tfact, 0.0},
    {"shifting", TFactCode::sntc_tfact, 0.0},
    {"half", TFactCode::htc_tfact, 50.0},
    {"part", TFactCode::part_tfact, EmptyReal},
    {"alwpart", TFactCode::alwpart_tfact, EmptyReal},
    {"excl", TFactCode::excl_tfact, 0.0},
    {"wait", TFactCode::wait_tfact, 100.0},
    {"shinc", TFactCode::shinc_tfact, 100.0},
    {"shpart", TFactCode::shpart_tfact, EmptyReal},
    {"normal", TFactCode::CQDNormal_tfact, 0.0},
    {"fulldet", TFactCode::FullDetention_tfact, 100.0},
    {"partdet", TFactCode::PartDetention_Tfact, EmptyReal},
}};

constexpr std::array<std::string_view, 7> WeekdayNames{"sun", "mon", "tue", "wed",
                                                       "thu", "fri", "sat"};

[[noreturn]] void Fail(const std::string& what) {
  throw std::invalid_argument("scenario: " + what);
}

const TConditionName& ConditionByName(std::string_view name) {
  for (const TConditionName& entry : ConditionNames)
    if (entry.Name == name)
      return entry;
  Fail("unknown condition " + std::string(name));
}

std::string_view ConditionName(TFactCode code) {
  for (const TConditionName& entry : ConditionNames)
    if (entry.Code == code)
      return entry.Name;
  return "?";
}

double Number(const std::string& text) {
  std::size_t used = 0;
  const double value = std::stod(text, &used);
  if (used != text.size())
    Fail("not a number: " + text);
  return value;
}

bool IsNumber(const std::string& text) {
  if (text.empty())
    return false;
  try {
    Number(text);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int Weekday(std::string_view name) {
  for (std::size_t i = 0; i < WeekdayNames.size(); ++i)
    if (WeekdayNames[i] == name)
      return static_cast<int>(i);
  Fail("unknown weekday " + std::string(name));
}

// Splits a statement into words; a text in double quotes is one word (without the quotes).
std::vector<std::string> Tokens(std::string_view line) {
  std::vector<std::string> tokens;
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (line[pos] == ' ' || line[pos] == '\t') {
      ++pos;
      continue;
    }
    if (line[pos] == '"') {
      const std::size_t end = line.find('"', pos + 1);
      if (end == std::string_view::npos)
        Fail("unterminated text in: " + std::string(line));
      tokens.emplace_back(line.substr(pos + 1, end - pos - 1));
      pos = end + 1;
      continue;
    }
    std::size_t end = line.find_first_of(" \t", pos);
    if (end == std::string_view::npos)
      end = line.size();
    tokens.emplace_back(line.substr(pos, end - pos));
    pos = end;
  }
  return tokens;
}

// Reads the words of a statement one after another.
class TWords {
public:
  explicit TWords(const std::vector<std::string>& tokens) : FTokens(tokens) {}

  bool AtEnd() const { return FPos >= FTokens.size(); }
  const std::string& Peek() const { return FTokens.at(FPos); }
  const std::string& Next() {
    if (AtEnd())
      Fail("statement ends too early");
    return FTokens[FPos++];
  }
  double NextNumber() { return Number(Next()); }

private:
  const std::vector<std::string>& FTokens;
  std::size_t FPos = 0;
};

std::string PctText(double pct) {
  if (pct == EmptyReal)
    return "-";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", pct);
  return buffer;
}

std::string DayTimeText(TDayNumber day, int minute) {
  const TCalendarDate date = DecodeDate(day);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d-%02d %02d:%02d", date.Month, date.Day, minute / 60,
                minute % 60);
  return buffer;
}

} // namespace

TDayNumber DateOf(std::string_view isoDate) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (std::sscanf(std::string(isoDate).c_str(), "%d-%d-%d", &year, &month, &day) != 3)
    Fail("not a date: " + std::string(isoDate));
  const auto number = TryEncodeDate(year, month, day);
  if (!number)
    Fail("invalid date: " + std::string(isoDate));
  return *number;
}

TMinuteOfDay TimeOf(std::string_view hhmm) {
  int hours = 0;
  int minutes = 0;
  if (std::sscanf(std::string(hhmm).c_str(), "%d:%d", &hours, &minutes) != 2)
    Fail("not a time: " + std::string(hhmm));
  return static_cast<TMinuteOfDay>(hours * 60 + minutes);
}

TScenario::TScenario(std::string_view text) {
  Load(text);
}

TScenario& TScenario::Load(std::string_view text) {
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos)
      end = text.size();
    const std::vector<std::string> tokens = Tokens(text.substr(pos, end - pos));
    pos = end + 1;
    if (tokens.empty())
      continue;
    const std::string& statement = tokens.front();
    if (statement == "port")
      LoadPort(tokens);
    else if (statement == "sof")
      LoadSoFLine(tokens);
    else if (statement == "partner")
      LoadPartner(tokens);
    else if (statement == "tier")
      LoadTier(tokens);
    else
      Fail("unknown statement " + statement);
  }
  return *this;
}

TPortItem& TScenario::LastPort() {
  if (FPortsLoaded == 0)
    Fail("a line before the first port");
  return Calc.Ports.GetItem(Calc.Ports.Count() - 1);
}

void TScenario::LoadPort(const std::vector<std::string>& tokens) {
  TPortItem& item = FPortsLoaded++ == 0 ? Calc.Ports.GetItem(0) : Calc.Ports.Add();
  FTiersGiven = false;
  TPortRec& port = item.PortData;
  port.PortDespatchMode = TCalcDespatch::calcWorktime;
  TWords words(tokens);
  words.Next();
  port.PortName = words.Next();
  while (!words.AtEnd()) {
    const std::string word = words.Next();
    if (word == "load") {
      port.OpLoading = true;
    } else if (word == "disch") {
      port.OpDischarging = true;
    } else if (word == "both") {
      port.OpLoading = true;
      port.OpDischarging = true;
    } else if (IsNumber(word)) {
      port.CargoQuantity = Number(word);
      if (!words.AtEnd() && !IsNumber(words.Peek()) && words.Peek() == "mts")
        port.CargoUnits = words.Next();
    } else if (word == "at") {
      const std::string rate = words.Next();
      const std::size_t slash = rate.find('/');
      if (slash != std::string::npos) {
        port.PortLoadRate = Number(rate.substr(0, slash));
        const std::string unit = rate.substr(slash + 1);
        if (unit == "day")
          port.PortLoadUnits = TLoadUnits::load_units_p_day;
        else if (unit == "hour")
          port.PortLoadUnits = TLoadUnits::load_units_p_hour;
        else
          Fail("unknown rate unit " + unit);
        continue;
      }
      port.PortLoadRate = Number(rate);
      const std::string unit = words.Next();
      if (unit == "days")
        port.PortLoadUnits = TLoadUnits::load_days;
      else if (unit == "hours")
        port.PortLoadUnits = TLoadUnits::load_hours;
      else if (unit == "undef")
        port.PortLoadUnits = TLoadUnits::load_undef;
      else
        Fail("unknown allowance unit " + unit);
    } else if (word == "add") {
      port.PortAddAllowanceDays = static_cast<std::int32_t>(words.NextNumber());
      port.PortAddAllowanceTime = TimeOf(words.Next());
    } else if (word == "dem") {
      port.PortDemurrageRate = words.NextNumber();
    } else if (word == "des") {
      port.PortDespatchRate = words.NextNumber();
    } else if (word == "comm") {
      port.PortCommissionPct = words.NextNumber();
    } else if (word == "saved") {
      port.PortDespatchMode = TCalcDespatch::calcSavedtime;
    } else if (word == "cqd") {
      port.PortCalcCQD = true;
    } else if (word == "tiered") {
      port.UseTieredDemurrage = true;
    } else if (word == "min") {
      port.TankerMinTimeAllowance = TimeOf(words.Next());
    } else if (word == "shex") {
      port.ShexStartDay = Weekday(words.Next());
      port.ShexStartTime = TimeOf(words.Next());
      port.ShexEndDay = Weekday(words.Next());
      port.ShexEndTime = TimeOf(words.Next());
    } else if (word == "preadv") {
      port.PreAdvDate = DateOf(words.Next());
      port.PreAdvTime = TimeOf(words.Next());
      port.PreAdvOffsDays = static_cast<std::int32_t>(words.NextNumber());
      port.PreAdvOffsTime = TimeOf(words.Next());
    } else if (word == "from") {
      port.LayTimeCountFrom.Date = DateOf(words.Next());
      port.LayTimeCountFrom.Time = TimeOf(words.Next());
    } else if (word == "to") {
      port.LayTimeOpCompleted.Date = DateOf(words.Next());
      port.LayTimeOpCompleted.Time = TimeOf(words.Next());
    } else {
      Fail("unknown port word " + word);
    }
  }
}

void TScenario::LoadSoFLine(const std::vector<std::string>& tokens) {
  TWords words(tokens);
  words.Next();
  TSoFLine& line = LastPort().SoFCollection.Add();
  line.SetUntilDate(DateOf(words.Next()));
  line.SetUntilTime(TimeOf(words.Next()));
  const TConditionName& condition = ConditionByName(words.Next());
  line.SetCondition(condition.Code);
  double pct = condition.DefaultPct;
  if (!words.AtEnd() && IsNumber(words.Peek()))
    pct = words.NextNumber();
  line.SetPct(pct);
  line.SetPctDisplayString(PctText(pct));
  if (!words.AtEnd())
    line.SetRemark(words.Next());
  if (!words.AtEnd())
    Fail("too many words in a statement-of-facts line");
}

void TScenario::LoadPartner(const std::vector<std::string>& tokens) {
  TWords words(tokens);
  words.Next();
  TProRataItem& partner = Calc.ProRata.Add();
  partner.ProRataRec.Charterer = words.Next();
  partner.ProRataRec.Quantity = words.NextNumber();
}

void TScenario::LoadTier(const std::vector<std::string>& tokens) {
  TWords words(tokens);
  words.Next();
  TTieredRates& tiers = LastPort().TieredDemurrageRates;
  if (!FTiersGiven)
    tiers.Clear();
  FTiersGiven = true;
  TTieredRate& tier = tiers.Add();
  tier.FromDay = static_cast<std::int32_t>(words.NextNumber());
  tier.FromTimeInMinutes = TimeOf(words.Next());
  tier.Rate = words.NextNumber();
}

std::vector<std::string> TScenario::ResultLines(int portIndex) const {
  std::vector<std::string> lines;
  const TSoFCollection& results = Calc.Ports.GetItem(portIndex).SoFResultCollection;
  for (int i = 0; i < results.Count(); ++i) {
    const TSoFRec& rec = results.GetItem(i).SoFRec();
    std::string text = DayTimeText(rec.FUntilDate, rec.FUntilTime);
    if (IsSyntheticRemark(rec.FRemark)) {
      text += " >> " + rec.FRemark.substr(SyntheticLineMarker.size());
      lines.push_back(std::move(text));
      continue;
    }
    text += " " + std::string(ConditionName(rec.FCondition)) + " " + PctText(rec.FPct) + " " +
            std::to_string(rec.FResMinsToCount);
    if (!rec.FRemark.empty())
      text += " \"" + rec.FRemark + "\"";
    lines.push_back(std::move(text));
  }
  return lines;
}

} // namespace laytime::scenario
