// A small calculation to run the report over, with helpers that read the bands back.
#pragma once

#include "calc/CalculateVoyage.h"
#include "core/Clock.h"
#include "core/FormatContext.h"
#include "core/Locale.h"
#include "model/TCalculation.h"
#include "report/FontMetrics.h"
#include "report/ResultReport.h"
#include "report/TextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace laytime::test {

/// Monday 4 March 2024.
inline constexpr TDayNumber Monday = 45355;

class ReportFixture : public ::testing::Test {
protected:
  ReportFixture() { Calc.Voyage.Currency = "USD"; }

  TPortItem& Item(int i) { return Calc.Ports.GetItem(i); }
  TPortRec& Port(int i) { return Item(i).PortData; }

  /// A loading port of 10000 mts at 5000 mts/day (two days), laytime from Monday 08:00 until
  /// the completion given, every period in full.
  TPortRec& LoadingPort(int i, const std::string& name) {
    while (Calc.Ports.Count() <= i) {
      Calc.Ports.Add();
    }
    TPortRec& port = Port(i);
    port.PortName = name;
    port.OpLoading = true;
    port.PortLoadUnits = TLoadUnits::load_units_p_day;
    port.PortLoadRate = 5000.0;
    port.CargoQuantity = 10000.0;
    port.CargoName = "Wheat";
    port.PortDespatchMode = TCalcDespatch::calcWorktime;
    port.PortDemurrageRate = 10000.0;
    port.PortDespatchRate = 5000.0;
    port.LayTimeCountFrom = {Monday, 8 * 60, "Laytime commenced"};
    port.LayTimeOpCompleted = {Monday + 2, 6 * 60, "Loading completed"};
    return port;
  }

  /// Appends a statement-of-facts line of port `i`.
  void SoF(int i, TDayNumber day, int minute, TFactCode condition, double pct,
           const std::string& remark = "") {
    TSoFLine& line = Item(i).SoFCollection.Add();
    line.SetUntilDate(day);
    line.SetUntilTime(static_cast<TMinuteOfDay>(minute));
    line.SetCondition(condition);
    line.SetPct(pct);
    line.SetPctDisplayString(std::to_string(static_cast<int>(pct)));
    line.SetRemark(remark);
  }

  /// Appends a counted result line directly, as the calculation would write it.
  void ResultLine(int i, TDayNumber day, int minute, double pct, int counted,
                  const std::string& remark = "") {
    TSoFLine& line = Item(i).SoFResultCollection.Add();
    line.SetUntilDate(day);
    line.SetUntilTime(static_cast<TMinuteOfDay>(minute));
    line.SetCondition(TFactCode::full_tfact);
    line.SetPct(pct);
    line.SetRemark(remark);
    line.SetResMinsToCount(counted);
  }

  TReportDocument Build() { return Report.Build(Calc, {Format, Metrics, "Voyage 12"}); }

  static std::vector<std::string> Names(const TReportDocument& doc) {
    std::vector<std::string> names;
    for (const TReportBand& band : doc.Body) {
      names.push_back(band.Name);
    }
    return names;
  }

  /// The names of the bands without the port's term bands and dated rows, which most tests
  /// do not look at.
  static std::vector<std::string> ResultNames(const TReportDocument& doc) {
    static const std::vector<std::string> terms = {"qrbPortHeader",
                                                   "qrbVoyMemo",
                                                   "qrbPortDetails",
                                                   "qrbAddAllowance",
                                                   "qrbDemurrageRate",
                                                   "qrbDespatchRate",
                                                   "qrbPortShex",
                                                   "qrbPreAdvise",
                                                   "qrbSpacer",
                                                   "qrbDateTimeInfo",
                                                   "qrbSoFHeader",
                                                   "qrbSoFLine",
                                                   "qrbCalculatedTimeAllowed",
                                                   "qrbMinTimeAllowed"};
    std::vector<std::string> names;
    for (const TReportBand& band : doc.Body) {
      if (std::find(terms.begin(), terms.end(), band.Name) == terms.end()) {
        names.push_back(band.Name);
      }
    }
    return names;
  }

  /// The non-empty captions of a band, row by row and left to right.
  static std::vector<std::string> Texts(const TReportBand& band) {
    std::vector<const TReportCaption*> captions;
    for (const TReportCaption& caption : band.Captions) {
      if (!caption.Text.empty()) {
        captions.push_back(&caption);
      }
    }
    std::stable_sort(captions.begin(), captions.end(),
                     [](const TReportCaption* a, const TReportCaption* b) {
                       return a->Top != b->Top ? a->Top < b->Top : a->Left < b->Left;
                     });
    std::vector<std::string> texts;
    for (const TReportCaption* caption : captions) {
      texts.push_back(caption->Text);
    }
    return texts;
  }

  /// The `nth` band of that name (std::out_of_range when there is none).
  static const TReportBand& Band(const TReportDocument& doc, const std::string& name, int nth = 0) {
    for (const TReportBand& band : doc.Body) {
      if (band.Name == name && nth-- == 0) {
        return band;
      }
    }
    throw std::out_of_range("no band " + name);
  }

  static int Count(const TReportDocument& doc, const std::string& name) {
    return static_cast<int>(std::count_if(doc.Body.begin(), doc.Body.end(),
                                          [&](const TReportBand& b) { return b.Name == name; }));
  }

  /// The caption showing `text` in a band; fails the test when there is none.
  static const TReportCaption* Caption(const TReportBand& band, const std::string& text) {
    for (const TReportCaption& caption : band.Captions) {
      if (caption.Text == text) {
        return &caption;
      }
    }
    ADD_FAILURE() << "no caption " << text << " in " << band.Name;
    return nullptr;
  }

  TProgramSettings Settings;
  TCalculation Calc{Settings};
  TFixedClock Clock{Monday + 16};
  TFormatContext Format{IsoLocale(), 0, Clock};
  TApproxFontMetrics Metrics;
  TResultReport Report;
};

} // namespace laytime::test
