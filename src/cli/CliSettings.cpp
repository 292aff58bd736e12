#include "cli/CliSettings.h"

#include "core/TextUtil.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <charconv>
#include <functional>
#include <optional>
#include <vector>

namespace laytime::cli {

namespace {

enum class TSettingKind { Integer, Boolean, Text, Real };

/// One stored value: its name, its kind, the range of an integer, and where it lives.
struct TSettingField {
  std::string Name;
  TSettingKind Kind;
  int Low = 0;
  int High = 0;
  std::function<void(TProgramSettings&, long long)> SetInteger;
  std::function<void(TProgramSettings&, const std::string&)> SetText;
  std::function<void(TProgramSettings&, double)> SetReal;
};

TSettingField IntegerField(std::string name, int low, int high,
                           std::function<void(TProgramSettings&, long long)> set) {
  return {std::move(name), TSettingKind::Integer, low, high, std::move(set), {}, {}};
}

TSettingField BooleanField(std::string name, bool TProgramSettings::*member) {
  return {std::move(name),
          TSettingKind::Boolean,
          0,
          1,
          [member](TProgramSettings& s, long long v) { s.*member = v != 0; },
          {},
          {}};
}

TSettingField TextField(std::string name, std::function<std::string&(TProgramSettings&)> member) {
  return {std::move(name),
          TSettingKind::Text,
          0,
          0,
          {},
          [member](TProgramSettings& s, const std::string& v) { member(s) = v; },
          {}};
}

TSettingField PlainText(std::string name, std::string TProgramSettings::*member) {
  return TextField(std::move(name),
                   [member](TProgramSettings& s) -> std::string& { return s.*member; });
}

TSettingField IdentificationText(std::string name, std::string TIdentification::*member) {
  return TextField(std::move(name), [member](TProgramSettings& s) -> std::string& {
    return s.Identification.*member;
  });
}

/// Every value of the store, in the order the app reads and writes them.
const std::vector<TSettingField>& SettingFields() {
  static const std::vector<TSettingField> fields = [] {
    std::vector<TSettingField> f;
    f.push_back(IntegerField("DateFormat", 0, 3,
                             [](TProgramSettings& s, long long v) { s.DateFormat = int(v); }));
    f.push_back(IntegerField("NumDecimals", 0, 7,
                             [](TProgramSettings& s, long long v) { s.NumDecimals = int(v); }));
    f.push_back(IntegerField("DayDecimals", 2, 7,
                             [](TProgramSettings& s, long long v) { s.DayDecimals = int(v); }));
    f.push_back(IntegerField("PctDecimals", 2, 7,
                             [](TProgramSettings& s, long long v) { s.PctDecimals = int(v); }));
    f.push_back(BooleanField("ShowDecimalDayResult", &TProgramSettings::ShowDecimalDayResult));
    f.push_back(BooleanField("ShowErrMsgAsDlg", &TProgramSettings::ShowErrMsgAsDlg));
    f.push_back(PlainText("DataPath", &TProgramSettings::DataPath));
    f.push_back(PlainText("TemplatePath", &TProgramSettings::TemplatePath));
    f.push_back(PlainText("DefaultTemplateName", &TProgramSettings::DefaultTemplateName));
    f.push_back(PlainText("ImportPath", &TProgramSettings::ImportPath));
    f.push_back(PlainText("ExportPath", &TProgramSettings::ExportPath));
    f.push_back(PlainText("InvoicePath", &TProgramSettings::InvoicePath));
    f.push_back(BooleanField("SyncToAnalytics", &TProgramSettings::SyncToAnalytics));
    f.push_back(BooleanField("SyncOnSave", &TProgramSettings::SyncOnSave));
    f.push_back(PlainText("SyncToken", &TProgramSettings::SyncToken));
    f.push_back(PlainText("SecurityString", &TProgramSettings::SecurityString));
    f.push_back(PlainText("CurrencyList", &TProgramSettings::CurrencyList));
    f.push_back(PlainText("NVR6ProgramPath", &TProgramSettings::NVR6ProgramPath));
    f.push_back(PlainText("NVR6DataPath", &TProgramSettings::NVR6DataPath));
    f.push_back(IdentificationText("UserName", &TIdentification::UserName));
    f.push_back(IdentificationText("CompanyName", &TIdentification::CompanyName));
    f.push_back(IdentificationText("Department", &TIdentification::Department));
    f.push_back(IdentificationText("Location", &TIdentification::Location));
    f.push_back(IdentificationText("Phone", &TIdentification::Phone));
    f.push_back(IdentificationText("Fax", &TIdentification::Fax));
    f.push_back(IdentificationText("Email", &TIdentification::Email));
    f.push_back(IdentificationText("Address1", &TIdentification::Address1));
    f.push_back(IdentificationText("Address2", &TIdentification::Address2));
    f.push_back(IdentificationText("City", &TIdentification::City));
    f.push_back(IdentificationText("Zip", &TIdentification::Zip));
    f.push_back(IdentificationText("State", &TIdentification::State));
    f.push_back(IdentificationText("Country", &TIdentification::Country));
    for (std::size_t n = 0; n < static_cast<std::size_t>(RecentFileCount); ++n) {
      const std::string prefix = "MRU" + std::to_string(n + 1);
      f.push_back(TextField(prefix + "Name", [n](TProgramSettings& s) -> std::string& {
        return s.MRU[n].DisplayName;
      }));
      f.push_back(TextField(
          prefix + "Path", [n](TProgramSettings& s) -> std::string& { return s.MRU[n].PathName; }));
    }
    f.push_back(BooleanField("UseMAPIFunctions", &TProgramSettings::UseMAPIFunctions));
    f.push_back(BooleanField("ShowEmailInfo", &TProgramSettings::ShowEmailInfo));
    f.push_back(
        BooleanField("EmailAppendFileDescription", &TProgramSettings::EmailAppendFileDescription));
    f.push_back(
        BooleanField("EnableTemplateProtection", &TProgramSettings::EnableTemplateProtection));
    f.push_back(BooleanField("SuppressWriteRegErrMsg", &TProgramSettings::SuppressWriteRegErrMsg));
    f.push_back(BooleanField("ShowDateFormatInfo", &TProgramSettings::ShowDateFormatInfo));
    f.push_back(IntegerField("DetentionTerminology", 0, 1, [](TProgramSettings& s, long long v) {
      s.DetentionTerminology = int(v);
    }));
    f.push_back(IntegerField("ProRataCalculation", 0, 1, [](TProgramSettings& s, long long v) {
      s.ProRataCalculation = static_cast<TProRataCalcMethod>(v);
    }));
    f.push_back(IntegerField("ProRataRoundingMethod", 0, 3, [](TProgramSettings& s, long long v) {
      s.ProRataRoundingMethod = static_cast<std::uint8_t>(v);
    }));
    f.push_back(IntegerField("DemurrageRateUnit", 0, 1, [](TProgramSettings& s, long long v) {
      s.DemurrageRateUnit = static_cast<TDemurrateRateUnit>(v);
    }));
    f.push_back(
        BooleanField("PrintMultiplePortSummary", &TProgramSettings::PrintMultiplePortSummary));
    f.push_back(BooleanField("PrintSHINC", &TProgramSettings::PrintSHINC));
    f.push_back(
        BooleanField("EmailAttachCalculationFile", &TProgramSettings::EmailAttachCalculationFile));
    f.push_back(BooleanField("SuppressShexMsg", &TProgramSettings::SuppressShexMsg));
    f.push_back(BooleanField("SuppressShiftingMsg", &TProgramSettings::SuppressShiftingMsg));
    f.push_back({"UIScale", TSettingKind::Real, 0, 0, {}, {}, [](TProgramSettings& s, double v) {
                   s.UIScale = v;
                 }});
    return f;
  }();
  return fields;
}

const TSettingField* FindField(std::string_view name) {
  for (const TSettingField& field : SettingFields())
    if (field.Name == name)
      return &field;
  return nullptr;
}

std::optional<long long> ParseWhole(std::string_view text) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    return std::nullopt;
  return value;
}

} // namespace

void ApplySetting(TProgramSettings& settings, std::string_view name, std::string_view value) {
  const TSettingField* field = FindField(name);
  if (field == nullptr)
    throw EUsageError("unknown setting \"" + std::string(name) + "\"");
  const std::string text(value);
  switch (field->Kind) {
  case TSettingKind::Text:
    field->SetText(settings, text);
    return;
  case TSettingKind::Boolean: {
    const std::string_view trimmed = Trim(text);
    if (trimmed == "1" || trimmed == "true")
      field->SetInteger(settings, 1);
    else if (trimmed == "0" || trimmed == "false")
      field->SetInteger(settings, 0);
    else
      throw EUsageError("setting " + field->Name + ": \"" + text + "\" is not 0, 1, false or true");
    return;
  }
  case TSettingKind::Integer: {
    const std::optional<long long> number = ParseWhole(Trim(text));
    if (!number || *number < field->Low || *number > field->High)
      throw EUsageError("setting " + field->Name + ": \"" + text + "\" is not a whole number of " +
                        std::to_string(field->Low) + ".." + std::to_string(field->High));
    field->SetInteger(settings, *number);
    return;
  }
  case TSettingKind::Real: {
    double number = 0.0;
    const std::string_view trimmed = Trim(text);
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
    if (ec != std::errc() || end != trimmed.data() + trimmed.size() || !(number > 0.0))
      throw EUsageError("setting " + field->Name + ": \"" + text + "\" is not a positive number");
    field->SetReal(settings, number);
    return;
  }
  }
}

void ReadStoredSettings(TProgramSettings& settings) {
  const QSettings store(QStringLiteral("Quillmark"), QStringLiteral("Laytime Calculation"));
  for (const TSettingField& field : SettingFields()) {
    const QString key = QString::fromStdString(field.Name);
    if (!store.contains(key))
      continue;
    const QVariant value = store.value(key);
    switch (field.Kind) {
    case TSettingKind::Text:
      field.SetText(settings, value.toString().toStdString());
      break;
    case TSettingKind::Boolean: {
      bool ok = false;
      const int number = value.toInt(&ok);
      if (ok)
        field.SetInteger(settings, number != 0);
      else if (value.toString() == QStringLiteral("true") ||
               value.toString() == QStringLiteral("false"))
        field.SetInteger(settings, value.toString() == QStringLiteral("true"));
      break;
    }
    case TSettingKind::Integer: {
      bool ok = false;
      const long long number = value.toLongLong(&ok);
      // A stored value outside the setting's range is ignored; the default stays.
      if (ok && number >= field.Low && number <= field.High)
        field.SetInteger(settings, number);
      break;
    }
    case TSettingKind::Real: {
      bool ok = false;
      const double number = value.toDouble(&ok);
      if (ok && number > 0.0)
        field.SetReal(settings, number);
      break;
    }
    }
  }
}

} // namespace laytime::cli
