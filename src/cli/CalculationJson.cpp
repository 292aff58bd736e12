#include "cli/CalculationJson.h"

#include "core/Calendar.h"
#include "core/EnumNames.h"
#include "core/TextUtil.h"
#include "core/VoyageRules.h"
#include "core/Windows1252.h"
#include "model/TCalculation.h"
#include "model/TTieredTimes.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace laytime::cli {

namespace {

// ---------------------------------------------------------------------------------------------
// Value forms shared by both directions.

std::string DayText(TDayNumber day) {
  const TCalendarDate date = DecodeDate(day);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return buffer;
}

std::string MinuteText(int minute) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", minute / 60, minute % 60);
  return buffer;
}

// A money amount with at most four decimals, exactly as the ten-thousandths say.
std::string CurrencyText(Currency amount) {
  const std::int64_t raw = amount.Raw();
  const bool negative = raw < 0;
  // The magnitude of the most negative raw value still fits an unsigned 64-bit number.
  const std::uint64_t magnitude =
      negative ? static_cast<std::uint64_t>(-(raw + 1)) + 1 : static_cast<std::uint64_t>(raw);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 10000);
  std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    while (digits.back() == '0')
      digits.pop_back();
    text += "." + digits;
  }
  return text;
}

TJsonValue RealValue(double value) {
  if (value == EmptyReal)
    return TJsonValue();
  if (std::isnan(value))
    return TJsonValue::String("NaN");
  if (std::isinf(value))
    return TJsonValue::String(value > 0 ? "Infinity" : "-Infinity");
  return TJsonValue::Number(value);
}

// Days outside the calendar's years 1..9999 cannot be written as dates and keep their number.
TJsonValue DayValue(std::int32_t day) {
  if (day == EmptyDay)
    return TJsonValue();
  if (day < FirstValidDay || day > LastValidDay)
    return TJsonValue::Integer(day);
  return TJsonValue::String(DayText(day));
}

TJsonValue MinuteValue(std::int32_t minute) {
  if (minute == EmptyTime)
    return TJsonValue();
  if (minute < 0 || minute > MinutesPerDay)
    return TJsonValue::Integer(minute);
  return TJsonValue::String(MinuteText(minute));
}

template <typename E> TJsonValue EnumValue(E value) {
  const std::string_view name = Identifier(value);
  if (name.empty())
    return TJsonValue::Integer(static_cast<int>(value));
  return TJsonValue::String(std::string(name));
}

// ---------------------------------------------------------------------------------------------
// The writing visitor: every record field becomes a member, in the order of the record.

class TWriter {
public:
  TJsonValue Object = TJsonValue::Object();

  void Text(const char* name, const std::string& value) {
    Object.Set(name, TJsonValue::String(value));
  }
  void ShortText(const char* name, const std::string& value) { Text(name, value); }
  void Bool(const char* name, const bool& value) { Object.Set(name, TJsonValue::Boolean(value)); }
  template <typename E> void Enum(const char* name, const E& value) {
    Object.Set(name, EnumValue(value));
  }
  void Real(const char* name, const double& value) { Object.Set(name, RealValue(value)); }
  void Day(const char* name, const std::int32_t& value) { Object.Set(name, DayValue(value)); }
  void Minute(const char* name, const std::int16_t& value) { Object.Set(name, MinuteValue(value)); }
  /// A 32-bit count or duration whose empty marker is −2147483647.
  void Count(const char* name, const std::int32_t& value) {
    Object.Set(name, value == EmptyInt ? TJsonValue() : TJsonValue::Integer(value));
  }
  /// A 16-bit number whose empty marker is EmptyTime (hatches, SHEX preset days).
  void SmallCount(const char* name, const std::int16_t& value) {
    Object.Set(name, value == EmptyTime ? TJsonValue() : TJsonValue::Integer(value));
  }
  template <typename I> void Int(const char* name, const I& value) {
    Object.Set(name, TJsonValue::Integer(static_cast<std::int64_t>(value)));
  }
  void TextList(const char* name, const std::vector<std::string>& lines) {
    TJsonValue array = TJsonValue::Array();
    for (const std::string& line : lines)
      array.Append(TJsonValue::String(line));
    Object.Set(name, std::move(array));
  }
  template <typename F> void Nested(const char* name, F&& visit) {
    TWriter nested;
    visit(nested);
    Object.Set(name, std::move(nested.Object));
  }
};

// ---------------------------------------------------------------------------------------------
// The reading visitor: takes the members it knows, checks their types and values, and refuses
// the members it does not know.

[[noreturn]] void Fail(const std::string& place, const std::string& problem) {
  throw EJsonFormError(place + ": " + problem);
}

std::string Quoted(const TJsonValue& value) {
  switch (value.Kind()) {
  case TJsonValue::TKind::Null:
    return "null";
  case TJsonValue::TKind::Boolean:
    return value.AsBoolean() ? "true" : "false";
  case TJsonValue::TKind::Number:
    return value.NumberLiteral();
  case TJsonValue::TKind::String:
    return "\"" + value.AsString() + "\"";
  case TJsonValue::TKind::Array:
    return "an array";
  case TJsonValue::TKind::Object:
    return "an object";
  }
  return {};
}

std::int64_t ReadInteger(const TJsonValue& value, const std::string& place, std::int64_t low,
                         std::int64_t high) {
  if (value.Kind() != TJsonValue::TKind::Number || !value.IsInteger())
    Fail(place, Quoted(value) + " is not an integer");
  if (value.AsInteger() < low || value.AsInteger() > high)
    Fail(place, value.NumberLiteral() + " is outside " + std::to_string(low) + ".." +
                    std::to_string(high));
  return value.AsInteger();
}

double ReadReal(const TJsonValue& value, const std::string& place) {
  if (value.IsNull())
    return EmptyReal;
  if (value.Kind() == TJsonValue::TKind::String) {
    if (value.AsString() == "NaN")
      return std::numeric_limits<double>::quiet_NaN();
    if (value.AsString() == "Infinity")
      return std::numeric_limits<double>::infinity();
    if (value.AsString() == "-Infinity")
      return -std::numeric_limits<double>::infinity();
  }
  if (value.Kind() != TJsonValue::TKind::Number)
    Fail(place, Quoted(value) + " is not a number");
  return value.AsNumber();
}

bool TwoDigits(std::string_view text, std::size_t at, int& value) {
  if (!std::isdigit(static_cast<unsigned char>(text[at])) ||
      !std::isdigit(static_cast<unsigned char>(text[at + 1])))
    return false;
  value = (text[at] - '0') * 10 + (text[at + 1] - '0');
  return true;
}

std::int32_t ReadDay(const TJsonValue& value, const std::string& place) {
  if (value.IsNull())
    return EmptyDay;
  // A number stands only for a day no date can name, as a damaged file may hold it.
  if (value.Kind() == TJsonValue::TKind::Number && value.IsInteger() &&
      (value.AsInteger() < FirstValidDay || value.AsInteger() > LastValidDay))
    return static_cast<std::int32_t>(ReadInteger(value, place,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
  if (value.Kind() != TJsonValue::TKind::String)
    Fail(place, Quoted(value) + " is not a date YYYY-MM-DD");
  const std::string& text = value.AsString();
  int century = 0;
  int year = 0;
  int month = 0;
  int day = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !TwoDigits(text, 0, century) ||
      !TwoDigits(text, 2, year) || !TwoDigits(text, 5, month) || !TwoDigits(text, 8, day))
    Fail(place, Quoted(value) + " is not a date YYYY-MM-DD");
  const std::optional<TDayNumber> number = TryEncodeDate(century * 100 + year, month, day);
  if (!number)
    Fail(place, Quoted(value) + " is not a valid date");
  return *number;
}

std::int16_t ReadMinute(const TJsonValue& value, const std::string& place) {
  if (value.IsNull())
    return EmptyTime;
  // A number stands only for a minute outside the day, as a damaged file may hold it.
  if (value.Kind() == TJsonValue::TKind::Number && value.IsInteger() &&
      (value.AsInteger() < 0 || value.AsInteger() > MinutesPerDay))
    return static_cast<std::int16_t>(ReadInteger(value, place, -32768, 32767));
  if (value.Kind() != TJsonValue::TKind::String)
    Fail(place, Quoted(value) + " is not a time hh:mm");
  const std::string& text = value.AsString();
  int hours = 0;
  int minutes = 0;
  if (text.size() != 5 || text[2] != ':' || !TwoDigits(text, 0, hours) ||
      !TwoDigits(text, 3, minutes))
    Fail(place, Quoted(value) + " is not a time hh:mm");
  if (minutes > 59 || hours > 24 || (hours == 24 && minutes != 0))
    Fail(place, Quoted(value) + " is not a valid time (00:00..24:00)");
  return static_cast<std::int16_t>(hours * 60 + minutes);
}

template <typename E> E ReadEnum(const TJsonValue& value, const std::string& place) {
  // A number stands only for a byte outside the enumeration, as a damaged file may hold it.
  if (value.Kind() == TJsonValue::TKind::Number && value.IsInteger() &&
      (value.AsInteger() < 0 || value.AsInteger() > 255 ||
       Identifier(static_cast<E>(value.AsInteger())).empty()))
    return static_cast<E>(ReadInteger(value, place, 0, 255));
  if (value.Kind() != TJsonValue::TKind::String)
    Fail(place, Quoted(value) + " is not an identifier");
  const std::optional<E> parsed = ParseIdentifier<E>(value.AsString());
  if (!parsed)
    Fail(place, Quoted(value) + " is not a known identifier");
  return *parsed;
}

const std::string& ReadString(const TJsonValue& value, const std::string& place) {
  if (value.Kind() != TJsonValue::TKind::String)
    Fail(place, Quoted(value) + " is not a text");
  return value.AsString();
}

class TReader {
public:
  TReader(const TJsonValue& object, std::string place) : FObject(object), FPlace(std::move(place)) {
    if (object.Kind() != TJsonValue::TKind::Object)
      Fail(FPlace, Quoted(object) + " is not an object");
    FUsed.assign(object.Members().size(), false);
  }

  std::string Place(const char* name) const {
    return FPlace.empty() ? std::string(name) : FPlace + "." + name;
  }

  /// The member of that name (marked as known), or nullptr when the document leaves it out.
  const TJsonValue* Take(const char* name) {
    const auto& members = FObject.Members();
    for (std::size_t i = 0; i < members.size(); ++i) {
      if (members[i].first == name) {
        FUsed[i] = true;
        return &members[i].second;
      }
    }
    return nullptr;
  }

  /// Refuses the first member no visit took.
  void Finish() const {
    for (std::size_t i = 0; i < FUsed.size(); ++i)
      if (!FUsed[i])
        Fail(Place(FObject.Members()[i].first.c_str()), "unknown key");
  }

  void Text(const char* name, std::string& value) {
    if (const TJsonValue* json = Take(name))
      value = ReadString(*json, Place(name));
  }
  /// A text of a fixed-size record field: at most 255 characters in Windows-1252.
  void ShortText(const char* name, std::string& value) {
    if (const TJsonValue* json = Take(name)) {
      const std::string& text = ReadString(*json, Place(name));
      if (Utf8ToWindows1252(text).size() > 255)
        Fail(Place(name), "the text is longer than 255 characters");
      value = text;
    }
  }
  void Bool(const char* name, bool& value) {
    if (const TJsonValue* json = Take(name)) {
      if (json->Kind() != TJsonValue::TKind::Boolean)
        Fail(Place(name), Quoted(*json) + " is not true or false");
      value = json->AsBoolean();
    }
  }
  template <typename E> void Enum(const char* name, E& value) {
    if (const TJsonValue* json = Take(name))
      value = ReadEnum<E>(*json, Place(name));
  }
  void Real(const char* name, double& value) {
    if (const TJsonValue* json = Take(name))
      value = ReadReal(*json, Place(name));
  }
  void Day(const char* name, std::int32_t& value) {
    if (const TJsonValue* json = Take(name))
      value = ReadDay(*json, Place(name));
  }
  void Minute(const char* name, std::int16_t& value) {
    if (const TJsonValue* json = Take(name))
      value = ReadMinute(*json, Place(name));
  }
  void Count(const char* name, std::int32_t& value) {
    if (const TJsonValue* json = Take(name))
      value = json->IsNull() ? EmptyInt
                             : static_cast<std::int32_t>(ReadInteger(
                                   *json, Place(name), std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()));
  }
  void SmallCount(const char* name, std::int16_t& value) {
    if (const TJsonValue* json = Take(name))
      value = json->IsNull()
                  ? EmptyTime
                  : static_cast<std::int16_t>(ReadInteger(*json, Place(name), -32768, 32767));
  }
  template <typename I> void Int(const char* name, I& value) {
    if (const TJsonValue* json = Take(name))
      value = static_cast<I>(ReadInteger(*json, Place(name), std::numeric_limits<I>::min(),
                                         std::numeric_limits<I>::max()));
  }
  void TextList(const char* name, std::vector<std::string>& lines) {
    const TJsonValue* json = Take(name);
    if (json == nullptr)
      return;
    if (json->Kind() != TJsonValue::TKind::Array)
      Fail(Place(name), Quoted(*json) + " is not an array of texts");
    lines.clear();
    for (std::size_t i = 0; i < json->Items().size(); ++i)
      lines.push_back(ReadString(json->Items()[i], Place(name) + "[" + std::to_string(i) + "]"));
  }
  template <typename F> void Nested(const char* name, F&& visit) {
    if (const TJsonValue* json = Take(name)) {
      TReader nested(*json, Place(name));
      visit(nested);
      nested.Finish();
    }
  }

private:
  const TJsonValue& FObject;
  std::string FPlace;
  std::vector<bool> FUsed;
};

/// The array member `name`, or nullptr when it is left out.
const TJsonValue* TakeArray(TReader& reader, const char* name) {
  const TJsonValue* json = reader.Take(name);
  if (json != nullptr && json->Kind() != TJsonValue::TKind::Array)
    Fail(reader.Place(name), Quoted(*json) + " is not an array");
  return json;
}

std::string ItemPlace(const TReader& reader, const char* name, std::size_t index) {
  return reader.Place(name) + "[" + std::to_string(index) + "]";
}

// ---------------------------------------------------------------------------------------------
// The records, field by field. Each visit serves both directions.

template <typename V, typename R> void VisitStatus(V& v, R& s) {
  v.Text("TemplateName", s.TemplateName);
  v.Text("OriginalName", s.OriginalName);
  v.Text("Password", s.Password);
  v.Text("CreatedBy", s.CreatedBy);
  v.Text("LastSavedBy", s.LastSavedBy);
  v.Day("CreateDate", s.CreateDate);
  v.Minute("CreateTime", s.CreateTime);
  v.Day("LastSaveDate", s.LastSaveDate);
  v.Minute("LastSaveTime", s.LastSaveTime);
  v.Day("LastPrintDate", s.LastPrintDate);
  v.Minute("LastPrintTime", s.LastPrintTime);
  v.Real("TotalEditTime", s.TotalEditTime);
  v.Bool("CalculationValid", s.CalculationValid);
  v.Real("BeginEdit", s.BeginEdit);
  v.Int("EditCount", s.EditCount);
  v.Count("LoadingPortTime", s.LoadingPortTime);
  v.Count("DischargingPortTime", s.DischargingPortTime);
  v.Count("TotalPortTime", s.TotalPortTime);
  v.Count("TotalLaytime", s.TotalLaytime);
  v.Count("TotalTimeSaved", s.TotalTimeSaved);
  v.Count("TotalTimeLost", s.TotalTimeLost);
  v.Real("TotalDemurrage", s.TotalDemurrage);
  v.Real("TotalDespatch", s.TotalDespatch);
  v.Text("sRemarks", s.sRemarks);
}

// The twelve result fields of a group of ports (AllPorts, Loading, Discharging).
#define LAYTIME_GROUP_RESULTS(v, r, Group)                                                         \
  v.Count("Laytime" #Group, r.Laytime##Group);                                                     \
  v.Count("TimeUsed" #Group, r.TimeUsed##Group);                                                   \
  v.Count("TimeWaited" #Group, r.TimeWaited##Group);                                               \
  v.Count("TimeAllowed" #Group, r.TimeAllowed##Group);                                             \
  v.Count("TimeRemaining" #Group, r.TimeRemaining##Group);                                         \
  v.Count("TimeSaved" #Group, r.TimeSaved##Group);                                                 \
  v.Count("M1" #Group, r.M1##Group);                                                               \
  v.Real("Demurrage" #Group, r.Demurrage##Group);                                                  \
  v.Real("Despatch" #Group, r.Despatch##Group);                                                    \
  v.Real("Commission" #Group, r.Commission##Group);                                                \
  v.Day("DemurrageDate" #Group, r.DemurrageDate##Group);                                           \
  v.Minute("DemurrageTime" #Group, r.DemurrageTime##Group)

template <typename V, typename R> void VisitVoyage(V& v, R& r) {
  v.Bool("AllPurposeAllPorts", r.AllPurposeAllPorts);
  v.Bool("AllPurposeLoading", r.AllPurposeLoading);
  v.Bool("AllPurposeDischarging", r.AllPurposeDischarging);
  v.Enum("LoadUnitsAllPorts", r.LoadUnitsAllPorts);
  v.Enum("LoadUnitsLoading", r.LoadUnitsLoading);
  v.Enum("LoadUnitsDischarging", r.LoadUnitsDischarging);
  v.Real("LoadRateAllPorts", r.LoadRateAllPorts);
  v.Real("LoadRateLoading", r.LoadRateLoading);
  v.Real("LoadRateDischarging", r.LoadRateDischarging);
  v.Count("AddAllowanceDaysAllPorts", r.AddAllowanceDaysAllPorts);
  v.Minute("AddAllowanceTimeAllPorts", r.AddAllowanceTimeAllPorts);
  v.Count("AddAllowanceDaysLoading", r.AddAllowanceDaysLoading);
  v.Minute("AddAllowanceTimeLoading", r.AddAllowanceTimeLoading);
  v.Count("AddAllowanceDaysDischarging", r.AddAllowanceDaysDischarging);
  v.Minute("AddAllowanceTimeDischarging", r.AddAllowanceTimeDischarging);
  v.SmallCount("NoOfHatches", r.NoOfHatches);
  v.Text("VesselName", r.VesselName);
  v.Text("CPForm", r.CPForm);
  v.Text("VoyInfo1", r.VoyInfo1);
  v.Text("VoyInfo2", r.VoyInfo2);
  v.Text("VoyInfo3", r.VoyInfo3);
  v.Day("CPDate", r.CPDate);
  v.Day("LastUpdate", r.LastUpdate);
  v.Enum("PortMode", r.PortMode);
  v.Count("total_time_allowed", r.total_time_allowed);
  v.Count("total_time_used", r.total_time_used);
  v.Count("total_time_saved", r.total_time_saved);
  v.Bool("Modified", r.Modified);
  v.Text("Currency", r.Currency);
  v.Bool("AlwaysOnDemurrage", r.AlwaysOnDemurrage);
  v.Enum("DespatchModeAllPorts", r.DespatchModeAllPorts);
  v.Enum("DespatchModeLoading", r.DespatchModeLoading);
  v.Enum("DespatchModeDischarging", r.DespatchModeDischarging);
  v.Text("FixtureNo", r.FixtureNo);
  v.Count("VoyageId", r.VoyageId);
  v.Bool("Locked", r.Locked);
  v.Real("DemurrageRateAllPorts", r.DemurrageRateAllPorts);
  v.Real("DespatchRateAllPorts", r.DespatchRateAllPorts);
  v.Real("CommissionPctAllPorts", r.CommissionPctAllPorts);
  v.Real("DemurrageRateLoading", r.DemurrageRateLoading);
  v.Real("DespatchRateLoading", r.DespatchRateLoading);
  v.Real("CommissionPctLoading", r.CommissionPctLoading);
  v.Real("DemurrageRateDischarging", r.DemurrageRateDischarging);
  v.Real("DespatchRateDischarging", r.DespatchRateDischarging);
  v.Real("CommissionPctDischarging", r.CommissionPctDischarging);
  v.Day("BL_date", r.BL_date);
  v.Text("UniqueFileName", r.UniqueFileName);
  v.Text("ContractNo", r.ContractNo);
  v.Text("InvoiceAddress", r.InvoiceAddress);
  v.Text("Remarks", r.Remarks);
  v.Text("StatusInfo", r.StatusInfo);
  v.Text("Reference", r.Reference);
  v.Text("YourSign", r.YourSign);
  v.Text("OurSign", r.OurSign);
  v.Text("unused_TemplateName", r.unused_TemplateName);
  v.Bool("ShexDisabled", r.ShexDisabled);
  v.Bool("DespatchDisabled", r.DespatchDisabled);
  v.Bool("ProRataPerPort", r.ProRataPerPort);
  v.Int("HintProRataCalcMethod", r.HintProRataCalcMethod);
  v.Int("HintProRataRoundingMethod", r.HintProRataRoundingMethod);
  v.Int("HintDemurrageRateUnit", r.HintDemurrageRateUnit);
  v.Bool("AllDataValid", r.AllDataValid);
  v.Bool("ResultValid", r.ResultValid);
  v.Count("AvgsTimeSaved", r.AvgsTimeSaved);
  v.Count("AvgsTimeLost", r.AvgsTimeLost);
  LAYTIME_GROUP_RESULTS(v, r, AllPorts);
  LAYTIME_GROUP_RESULTS(v, r, Loading);
  LAYTIME_GROUP_RESULTS(v, r, Discharging);
}

#undef LAYTIME_GROUP_RESULTS

template <typename V, typename R> void VisitDateTimeInfo(V& v, R& r) {
  v.Day("Date", r.Date);
  v.Minute("Time", r.Time);
  v.Text("Text", r.Text);
}

template <typename V, typename R> void VisitPortRec(V& v, R& r) {
  v.Text("PortName", r.PortName);
  v.Bool("OpLoading", r.OpLoading);
  v.Bool("OpDischarging", r.OpDischarging);
  v.Enum("PortLoadUnits", r.PortLoadUnits);
  v.Real("PortLoadRate", r.PortLoadRate);
  v.Enum("PortDespatchMode", r.PortDespatchMode);
  v.Bool("PortCalcCQD", r.PortCalcCQD);
  v.Real("PortDemurrageRate", r.PortDemurrageRate);
  v.Real("PortDespatchRate", r.PortDespatchRate);
  v.Real("PortCommissionPct", r.PortCommissionPct);
  v.Text("CargoName", r.CargoName);
  v.Real("CargoQuantity", r.CargoQuantity);
  v.Text("CargoUnits", r.CargoUnits);
  v.Nested("LayTimeCountFrom", [&](auto& sub) { VisitDateTimeInfo(sub, r.LayTimeCountFrom); });
  v.Nested("LayTimeOpCompleted", [&](auto& sub) { VisitDateTimeInfo(sub, r.LayTimeOpCompleted); });
  v.Int("ShexOption", r.ShexOption);
  v.Int("ShexStartDay", r.ShexStartDay);
  v.Int("ShexEndDay", r.ShexEndDay);
  v.Minute("ShexStartTime", r.ShexStartTime);
  v.Minute("ShexEndTime", r.ShexEndTime);
  v.Count("PortAddAllowanceDays", r.PortAddAllowanceDays);
  v.Minute("PortAddAllowanceTime", r.PortAddAllowanceTime);
  v.Day("PreAdvDate", r.PreAdvDate);
  v.Minute("PreAdvTime", r.PreAdvTime);
  v.Count("PreAdvOffsDays", r.PreAdvOffsDays);
  v.Minute("PreAdvOffsTime", r.PreAdvOffsTime);
  v.Text("pRemarks", r.pRemarks);
  v.Day("CalcEndDate", r.CalcEndDate);
  v.Minute("CalcEndTime", r.CalcEndTime);
  v.Count("M1", r.M1);
  v.Count("Laytime", r.Laytime);
  v.Count("TimeUsed", r.TimeUsed);
  v.Count("TimeWaited", r.TimeWaited);
  v.Count("TimeAllowed", r.TimeAllowed);
  v.Count("TimeRemaining", r.TimeRemaining);
  v.Count("TimeSaved", r.TimeSaved);
  v.Real("Demurrage", r.Demurrage);
  v.Real("Despatch", r.Despatch);
  v.Real("Commission", r.Commission);
  v.Day("DemurrageDate", r.DemurrageDate);
  v.Minute("DemurrageTime", r.DemurrageTime);
  v.Minute("TankerMinTimeAllowance", r.TankerMinTimeAllowance);
  v.Bool("UseTieredDemurrage", r.UseTieredDemurrage);
  v.Real("OnDemurrageAt", r.OnDemurrageAt);
}

template <typename V, typename R> void VisitSoFRec(V& v, R& r) {
  v.Day("UntilDate", r.FUntilDate);
  v.Minute("UntilTime", r.FUntilTime);
  v.Enum("Condition", r.FCondition);
  v.Real("Pct", r.FPct);
  v.ShortText("PctDisplayString", r.FPctDisplayString);
  v.ShortText("Remark", r.FRemark);
  v.Count("ResMinsToCount", r.FResMinsToCount);
}

template <typename V, typename R> void VisitTier(V& v, R& r) {
  v.Int("FromDay", r.FromDay);
  v.Int("FromTimeInMinutes", r.FromTimeInMinutes);
  v.Real("Rate", r.Rate);
}

template <typename V, typename R> void VisitShexPreset(V& v, R& r) {
  v.SmallCount("FromDay", r.FromDay);
  v.Minute("FromTime", r.FromTime);
  v.SmallCount("UntilDay", r.UntilDay);
  v.Minute("UntilTime", r.UntilTime);
  v.ShortText("Remark", r.Remark);
}

template <typename V, typename R> void VisitTemplateSettings(V& v, R& s) {
  v.Text("Password", s.Password);
  v.Text("MailTextResults", s.MailTextResults);
  v.Text("MailTextCalculation", s.MailTextCalculation);
  v.Text("MailTextSoF", s.MailTextSoF);
  v.Text("ShexText", s.ShexText);
  v.Text("OpCompletedText", s.OpCompletedText);
  v.Text("TimeSavedText", s.TimeSavedText);
  v.Text("VesOnDemurrageText", s.VesOnDemurrageText);
  v.Text("CPFormCaption", s.CPFormCaption);
  v.Text("VoyInfo1Caption", s.VoyInfo1Caption);
  v.Text("VoyInfo2Caption", s.VoyInfo2Caption);
  v.Text("VoyInfo3Caption", s.VoyInfo3Caption);
  v.Text("LogoFileName", s.LogoFileName);
  v.Text("ReportTitle", s.ReportTitle);
  v.Text("ReportTitleFontName", s.ReportTitleFontName);
  v.Int("ReportTitleFontStyle", s.ReportTitleFontStyle);
  v.Int("LogoScale", s.LogoScale);
  v.Int("ReportTitlePosition", s.ReportTitlePosition);
  v.Int("LaytimeLimitDays", s.LaytimeLimitDays);
  v.Int("PortTimeLimitDays", s.PortTimeLimitDays);
  v.Real("LoadDaysLimit", s.LoadDaysLimit);
  v.Real("PerUnitRateLimit", s.PerUnitRateLimit);
  v.Bool("ReplaceRemarks", s.ReplaceRemarks);
  v.Bool("AutoRemark", s.AutoRemark);
  v.Bool("SkipIrrelevantEntries", s.SkipIrrelevantEntries);
  v.Bool("DefaultDespatchDisabled", s.DefaultDespatchDisabled);
  v.Bool("DefaultShexDisabled", s.DefaultShexDisabled);
  v.Int("Reserved25", s.Reserved25);
  v.Int("ReportTitleFontSize", s.ReportTitleFontSize);
  v.Bool("ShowGroupRatesOnPortPage", s.ShowGroupRatesOnPortPage);
  v.Bool("DefaultAlwaysOnDemurrage", s.DefaultAlwaysOnDemurrage);
  v.Enum("DefaultDespatchMode", s.DefaultDespatchMode);
  v.Int("Reserved30", s.Reserved30);
  v.Enum("DefaultPortMode", s.DefaultPortMode);
  v.Bool("PrintVesselOnDemurrage", s.PrintVesselOnDemurrage);
  v.TextList("InfoEntryTexts", s.InfoEntryTexts);
  v.TextList("LaytimeCommencesTexts", s.LaytimeCommencesTexts);
  v.TextList("LaytimeCompletedTexts", s.LaytimeCompletedTexts);
}

// ---------------------------------------------------------------------------------------------
// Writing.

TJsonValue SettingsToJson(const TTemplateSettings& settings) {
  TWriter writer;
  VisitTemplateSettings(writer, settings);
  TJsonValue lists = TJsonValue::Object();
  for (int code = 0; code < FactCodeCount; ++code) {
    TJsonValue lines = TJsonValue::Array();
    for (const std::string& line : settings.RemarkLists[static_cast<std::size_t>(code)])
      lines.Append(TJsonValue::String(line));
    lists.Set(std::string(EnumValue(static_cast<TFactCode>(code)).AsString()), std::move(lines));
  }
  writer.Object.Set("RemarkLists", std::move(lists));
  TJsonValue presets = TJsonValue::Array();
  for (const TShexRec& preset : settings.ShexPresets) {
    TWriter item;
    VisitShexPreset(item, preset);
    presets.Append(std::move(item.Object));
  }
  writer.Object.Set("ShexPresets", std::move(presets));
  return std::move(writer.Object);
}

TJsonValue SoFLineToJson(const TSoFLine& line, bool withStart) {
  TWriter writer;
  if (withStart) {
    writer.Day("FromDate", line.GetFromDate());
    writer.Minute("FromTime", line.GetFromTime());
  }
  VisitSoFRec(writer, line.SoFRec());
  return std::move(writer.Object);
}

TJsonValue TieredTimesToJson(const ITieredTimes* times) {
  TJsonValue object = TJsonValue::Object();
  if (const auto* tiered = dynamic_cast<const TTieredTimes*>(times))
    for (const auto& [index, minutes] : tiered->Items())
      object.Set(std::to_string(index), TJsonValue::Integer(minutes));
  return object;
}

TJsonValue PortToJson(const TPortItem& port, TJsonResults results) {
  TWriter writer;
  VisitPortRec(writer, port.PortData);
  TJsonValue informative = TJsonValue::Array();
  for (int i = 0; i < port.PortInfoCollection.Count(); ++i) {
    TWriter entry;
    VisitDateTimeInfo(entry, port.PortInfoCollection.GetItem(i).FDateTimeInfoRec);
    informative.Append(std::move(entry.Object));
  }
  writer.Object.Set("informative", std::move(informative));
  TJsonValue sof = TJsonValue::Array();
  for (int i = 0; i < port.SoFCollection.Count(); ++i)
    sof.Append(SoFLineToJson(port.SoFCollection.GetItem(i), false));
  writer.Object.Set("sof", std::move(sof));
  TJsonValue tiers = TJsonValue::Array();
  for (int i = 0; i < port.TieredDemurrageRates.GetCount(); ++i) {
    TWriter tier;
    VisitTier(tier, port.TieredDemurrageRates.GetItem(i));
    tiers.Append(std::move(tier.Object));
  }
  writer.Object.Set("tiers", std::move(tiers));
  if (results == TJsonResults::Include) {
    TJsonValue counted = TJsonValue::Array();
    for (int i = 0; i < port.SoFResultCollection.Count(); ++i)
      counted.Append(SoFLineToJson(port.SoFResultCollection.GetItem(i), true));
    writer.Object.Set("sofResult", std::move(counted));
    writer.Object.Set("tieredTimes", TieredTimesToJson(port.PortData.TieredTimes.get()));
  }
  return std::move(writer.Object);
}

TJsonValue PortDetailToJson(const TProRataPortCalculation& detail) {
  TJsonValue object = TJsonValue::Object();
  object.Set("PortIdx", TJsonValue::Integer(detail.PortIdx()));
  object.Set("Quantity", RealValue(detail.Quantity()));
  object.Set("PortMinTimeAllowanceInMinutes",
             TJsonValue::Integer(detail.PortMinTimeAllowanceInMinutes()));
  object.Set("PortTimeUsed", TJsonValue::Integer(detail.PortTimeUsed()));
  object.Set("PortTimeAllowanceInMinutes",
             TJsonValue::Integer(detail.PortTimeAllowanceInMinutes()));
  object.Set("PortTimeAllowanceBeforeMinimum",
             TJsonValue::Integer(detail.PortTimeAllowanceBeforeMinimum()));
  object.Set("SharedMinutes", TJsonValue::Integer(detail.SharedMinutes()));
  object.Set("LessThanMinimum", TJsonValue::Boolean(detail.LessThanMinimum()));
  object.Set("AllocatedMinutes", TJsonValue::Integer(detail.AllocatedMinutes()));
  object.Set("DemurrageAmount", TJsonValue::NumberText(CurrencyText(detail.DemurrageAmount())));
  object.Set("CommissionAmount", TJsonValue::NumberText(CurrencyText(detail.CommissionAmount())));
  object.Set("DespatchAmount", TJsonValue::NumberText(CurrencyText(detail.DespatchAmount())));
  object.Set("TieredTimes", TieredTimesToJson(&detail.TieredTimes()));
  object.Set("Percentage", RealValue(detail.Percentage()));
  object.Set("MinutesOnDemurrage", TJsonValue::Integer(detail.MinutesOnDemurrage()));
  object.Set("NetAmount", TJsonValue::NumberText(CurrencyText(detail.NetAmount())));
  return object;
}

TJsonValue ProRataToJson(const TProRataCollection& partners) {
  TJsonValue array = TJsonValue::Array();
  for (int i = 0; i < partners.Count(); ++i) {
    const TProRataItem& item = partners.GetItem(i);
    TJsonValue object = TJsonValue::Object();
    object.Set("Charterer", TJsonValue::String(item.ProRataRec.Charterer));
    object.Set("Remark", TJsonValue::String(item.ProRataRec.Remark));
    object.Set("Quantity", RealValue(item.ProRataRec.Quantity));
    object.Set("Percentage", RealValue(item.Percentage()));
    object.Set("TotalDemurrageValue",
               TJsonValue::NumberText(CurrencyText(item.TotalDemurrageValue())));
    object.Set("TotalDespatchValue",
               TJsonValue::NumberText(CurrencyText(item.TotalDespatchValue())));
    object.Set("TotalCommissionValue",
               TJsonValue::NumberText(CurrencyText(item.TotalCommissionValue())));
    object.Set("NetAmountDue", TJsonValue::NumberText(CurrencyText(item.NetAmountDue())));
    TJsonValue details = TJsonValue::Array();
    for (int p = 0; p < item.PortDetailCount(); ++p)
      details.Append(PortDetailToJson(*item.FindPortDetails(p)));
    object.Set("portDetails", std::move(details));
    array.Append(std::move(object));
  }
  return array;
}

// ---------------------------------------------------------------------------------------------
// Reading.

void ReadSettings(const TJsonValue& json, TTemplateSettings& settings) {
  TReader reader(json, "settings");
  VisitTemplateSettings(reader, settings);
  if (const TJsonValue* lists = reader.Take("RemarkLists")) {
    TReader listReader(*lists, reader.Place("RemarkLists"));
    for (int code = 0; code < FactCodeCount; ++code) {
      const std::string name(EnumValue(static_cast<TFactCode>(code)).AsString());
      listReader.TextList(name.c_str(), settings.RemarkLists[static_cast<std::size_t>(code)]);
    }
    listReader.Finish();
  }
  if (const TJsonValue* presets = TakeArray(reader, "ShexPresets")) {
    settings.ShexPresets.clear();
    for (std::size_t i = 0; i < presets->Items().size(); ++i) {
      TShexRec preset;
      TReader item(presets->Items()[i], ItemPlace(reader, "ShexPresets", i));
      VisitShexPreset(item, preset);
      item.Finish();
      settings.ShexPresets.push_back(std::move(preset));
    }
  }
  reader.Finish();
}

void ReadTieredTimes(const TJsonValue& json, const std::string& place, ITieredTimes& times) {
  if (json.Kind() != TJsonValue::TKind::Object)
    Fail(place, Quoted(json) + " is not an object of tier indexes");
  times.Clear();
  for (const auto& [name, minutes] : json.Members()) {
    const std::optional<std::int32_t> index = TryStrToInt(name);
    if (!index || std::to_string(*index) != name || *index < 0)
      Fail(place + "." + name, "not a tier index");
    times.AddToTier(*index, ReadInteger(minutes, place + "." + name, 0,
                                        std::numeric_limits<std::int64_t>::max()));
  }
}

void ReadSoFLines(const TJsonValue& array, const TReader& owner, const char* name,
                  TSoFCollection& lines, bool withStart) {
  lines.Clear();
  for (std::size_t i = 0; i < array.Items().size(); ++i) {
    TReader item(array.Items()[i], ItemPlace(owner, name, i));
    if (withStart) {
      // The start of a counted line is derived; it is accepted and checked, not stored.
      std::int32_t fromDate = EmptyDay;
      std::int16_t fromTime = EmptyTime;
      item.Day("FromDate", fromDate);
      item.Minute("FromTime", fromTime);
    }
    TSoFRec rec;
    VisitSoFRec(item, rec);
    item.Finish();
    lines.Add().SetSoFRec(rec);
  }
}

void ReadPort(const TJsonValue& json, const std::string& place, TPortItem& port) {
  TReader reader(json, place);
  VisitPortRec(reader, port.PortData);
  if (const TJsonValue* entries = TakeArray(reader, "informative")) {
    port.PortInfoCollection.Clear();
    for (std::size_t i = 0; i < entries->Items().size(); ++i) {
      TReader item(entries->Items()[i], ItemPlace(reader, "informative", i));
      VisitDateTimeInfo(item, port.PortInfoCollection.Add().FDateTimeInfoRec);
      item.Finish();
    }
  }
  if (const TJsonValue* sof = TakeArray(reader, "sof"))
    ReadSoFLines(*sof, reader, "sof", port.SoFCollection, false);
  if (const TJsonValue* counted = TakeArray(reader, "sofResult"))
    ReadSoFLines(*counted, reader, "sofResult", port.SoFResultCollection, true);
  if (const TJsonValue* tiers = TakeArray(reader, "tiers")) {
    port.TieredDemurrageRates.Clear();
    for (std::size_t i = 0; i < tiers->Items().size(); ++i) {
      TReader item(tiers->Items()[i], ItemPlace(reader, "tiers", i));
      TTieredRate& tier = port.TieredDemurrageRates.Add();
      VisitTier(item, tier);
      item.Finish();
    }
    // As after reading a file: the first tier begins at day 0, 00:00.
    port.TieredDemurrageRates.RepairIfNeeded();
  }
  if (const TJsonValue* times = reader.Take("tieredTimes"))
    ReadTieredTimes(*times, reader.Place("tieredTimes"), *port.PortData.TieredTimes);
  reader.Finish();
}

Currency ReadAmount(TReader& reader, const char* name) {
  const TJsonValue* json = reader.Take(name);
  if (json == nullptr)
    return Currency();
  if (json->Kind() != TJsonValue::TKind::Number)
    Fail(reader.Place(name), Quoted(*json) + " is not an amount");
  try {
    return Currency(json->AsNumber());
  } catch (const ERangeError&) {
    Fail(reader.Place(name), json->NumberLiteral() + " is outside the range of amounts");
  }
}

void ReadPortDetail(const TJsonValue& json, const std::string& place,
                    TProRataPortCalculation& detail) {
  TReader reader(json, place);
  double quantity = 0.0;
  reader.Real("Quantity", quantity);
  detail.SetQuantity(quantity);
  std::int32_t value = 0;
  auto readInt = [&](const char* name, std::int32_t current, auto setter) {
    value = current;
    reader.Int(name, value);
    setter(value);
  };
  readInt("PortMinTimeAllowanceInMinutes", detail.PortMinTimeAllowanceInMinutes(),
          [&](std::int32_t v) { detail.SetPortMinTimeAllowanceInMinutes(v); });
  readInt("PortTimeUsed", detail.PortTimeUsed(),
          [&](std::int32_t v) { detail.SetPortTimeUsed(v); });
  readInt("PortTimeAllowanceInMinutes", detail.PortTimeAllowanceInMinutes(),
          [&](std::int32_t v) { detail.SetPortTimeAllowanceInMinutes(v); });
  readInt("PortTimeAllowanceBeforeMinimum", detail.PortTimeAllowanceBeforeMinimum(),
          [&](std::int32_t v) { detail.SetPortTimeAllowanceBeforeMinimum(v); });
  readInt("SharedMinutes", detail.SharedMinutes(),
          [&](std::int32_t v) { detail.SetSharedMinutes(v); });
  readInt("AllocatedMinutes", detail.AllocatedMinutes(),
          [&](std::int32_t v) { detail.SetAllocatedMinutes(v); });
  bool lessThanMinimum = detail.LessThanMinimum();
  reader.Bool("LessThanMinimum", lessThanMinimum);
  detail.SetLessThanMinimum(lessThanMinimum);
  detail.SetDemurrageAmount(ReadAmount(reader, "DemurrageAmount"));
  detail.SetCommissionAmount(ReadAmount(reader, "CommissionAmount"));
  detail.SetDespatchAmount(ReadAmount(reader, "DespatchAmount"));
  if (const TJsonValue* times = reader.Take("TieredTimes"))
    ReadTieredTimes(*times, reader.Place("TieredTimes"), detail.TieredTimes());
  // The position and the computed figures follow from the rest; they are checked, not stored.
  std::int32_t portIdx = 0;
  reader.Int("PortIdx", portIdx);
  double ignored = 0.0;
  reader.Real("Percentage", ignored);
  std::int32_t minutesOnDemurrage = 0;
  reader.Int("MinutesOnDemurrage", minutesOnDemurrage);
  ReadAmount(reader, "NetAmount");
  reader.Finish();
}

void ReadProRata(const TJsonValue& array, const TReader& owner, TProRataCollection& partners) {
  partners.Clear();
  for (std::size_t i = 0; i < array.Items().size(); ++i) {
    const std::string place = ItemPlace(owner, "proRata", i);
    TReader reader(array.Items()[i], place);
    TProRataItem& item = partners.Add();
    reader.Text("Charterer", item.ProRataRec.Charterer);
    reader.Text("Remark", item.ProRataRec.Remark);
    reader.Real("Quantity", item.ProRataRec.Quantity);
    double ignored = 0.0;
    reader.Real("Percentage", ignored);
    ReadAmount(reader, "TotalDemurrageValue");
    ReadAmount(reader, "TotalDespatchValue");
    ReadAmount(reader, "TotalCommissionValue");
    ReadAmount(reader, "NetAmountDue");
    if (const TJsonValue* details = TakeArray(reader, "portDetails"))
      for (std::size_t p = 0; p < details->Items().size(); ++p)
        ReadPortDetail(details->Items()[p], ItemPlace(reader, "portDetails", p),
                       item.GetPortDetails(static_cast<std::int32_t>(p)));
    reader.Finish();
  }
}

} // namespace

TJsonValue CalculationToJson(const TCalculation& calculation, TFileKind kind,
                             TJsonResults results) {
  TJsonValue document = TJsonValue::Object();
  document.Set("format", TJsonValue::String(std::string(CalculationFormatName)));
  document.Set("kind",
               TJsonValue::String(kind == TFileKind::Template ? "template" : "calculation"));
  TWriter status;
  VisitStatus(status, calculation.Status);
  document.Set("status", std::move(status.Object));
  TWriter voyage;
  VisitVoyage(voyage, calculation.Voyage);
  document.Set("voyage", std::move(voyage.Object));
  if (kind == TFileKind::Template)
    document.Set("settings", SettingsToJson(calculation.TemplateSettings));
  document.Set("proRata", ProRataToJson(calculation.ProRata));
  TJsonValue ports = TJsonValue::Array();
  for (int i = 0; i < calculation.Ports.Count(); ++i)
    ports.Append(PortToJson(calculation.Ports.GetItem(i), results));
  document.Set("ports", std::move(ports));
  return document;
}

TJsonValue NoticesToJson(const TCalcNotices& notices) {
  TJsonValue object = TJsonValue::Object();
  if (notices.WeekendEntry.IsSet()) {
    TWriter entry;
    entry.Day("Date", notices.WeekendEntry.Day);
    entry.Minute("Time", notices.WeekendEntry.Time);
    entry.Enum("Condition", notices.WeekendEntry.Condition);
    object.Set("weekendEntry", std::move(entry.Object));
  } else {
    object.Set("weekendEntry", TJsonValue());
  }
  if (notices.Shifting.IsSet()) {
    TWriter shifting;
    shifting.Day("Date", notices.Shifting.Day);
    shifting.Minute("Time", notices.Shifting.Time);
    object.Set("shifting", std::move(shifting.Object));
  } else {
    object.Set("shifting", TJsonValue());
  }
  return object;
}

TFileKind CalculationFromJson(const TJsonValue& document, TCalculation& calculation) {
  TReader reader(document, "");
  const TJsonValue* format = reader.Take("format");
  if (format == nullptr)
    Fail("format", "the key is missing (\"" + std::string(CalculationFormatName) + "\")");
  if (format->Kind() != TJsonValue::TKind::String || format->AsString() != CalculationFormatName)
    Fail("format", Quoted(*format) + " is not \"" + std::string(CalculationFormatName) + "\"");
  TFileKind kind = TFileKind::Calculation;
  if (const TJsonValue* kindJson = reader.Take("kind")) {
    if (kindJson->Kind() == TJsonValue::TKind::String && kindJson->AsString() == "template")
      kind = TFileKind::Template;
    else if (kindJson->Kind() != TJsonValue::TKind::String || kindJson->AsString() != "calculation")
      Fail("kind", Quoted(*kindJson) + " is not \"calculation\" or \"template\"");
  }

  calculation.TemplateSettings = TTemplateSettings{};
  if (const TJsonValue* settings = reader.Take("settings")) {
    if (kind != TFileKind::Template)
      Fail("settings", "only a template carries settings");
    ReadSettings(*settings, calculation.TemplateSettings);
  }
  calculation.DefaultInfoEntries.Clear();
  calculation.Clear();

  reader.Nested("status", [&](TReader& sub) { VisitStatus(sub, calculation.Status); });
  reader.Nested("voyage", [&](TReader& sub) { VisitVoyage(sub, calculation.Voyage); });
  if (const TJsonValue* partners = TakeArray(reader, "proRata"))
    ReadProRata(*partners, reader, calculation.ProRata);
  if (const TJsonValue* ports = TakeArray(reader, "ports")) {
    calculation.Ports.Clear();
    for (std::size_t i = 0; i < ports->Items().size(); ++i)
      ReadPort(ports->Items()[i], ItemPlace(reader, "ports", i), calculation.Ports.Add());
    if (calculation.Ports.Count() == 0)
      Fail("ports", "a calculation holds at least one port");
  }
  // What a calculation adds to its document is accepted, so that its output can be made
  // into a file again.
  reader.Take("valid");
  reader.Take("notices");
  reader.Finish();
  if (kind == TFileKind::Template)
    calculation.SetDefaultInfoEntriesFrom(calculation.Ports);
  return kind;
}

} // namespace laytime::cli
