#include "cli/TextAccount.h"

#include "core/DateText.h"
#include "core/EnumNames.h"
#include "core/TimeText.h"
#include "model/TCalculation.h"
#include "report/FigureTexts.h"
#include "report/ResultTexts.h"

#include <cstdlib>
#include <sstream>

namespace laytime::cli {

namespace {

/// The figures of one port or group of ports.
struct TFigures {
  TDuration Allowed = 0;
  TDuration Used = 0;
  TDuration Waited = 0;
  TDuration Balance = 0; ///< > 0 time saved, < 0 time lost
  double Demurrage = 0.0;
  double Despatch = 0.0;
  double Commission = 0.0;
};

class TAccountWriter {
public:
  TAccountWriter(const TCalculation& calculation, const TFormatContext& context)
      : FCalculation(calculation), FContext(context),
        FTexts(context, calculation.ProgramSettings()) {}

  std::string Duration(TDuration minutes) const {
    std::string text = minutes < 0 ? "-" : "";
    return text += FTexts.DaysAndClock(std::abs(minutes));
  }

  std::string Amount(double amount) const {
    const std::string currency = FCalculation.Voyage.Currency;
    return FTexts.Money(amount == EmptyReal ? 0.0 : amount) +
           (currency.empty() ? "" : " " + currency);
  }

  std::string Moment(TDayNumber day, TMinuteOfDay minute) const {
    return ZQDateToStr(day, false, FContext) + " " + ZQTimeToStr(minute);
  }

  void Figures(std::ostringstream& out, const std::string& indent, const TFigures& f) const {
    out << indent << "Time allowed:  " << Duration(f.Allowed) << "\n";
    out << indent << "Time used:     " << Duration(f.Used) << "\n";
    if (f.Waited != 0)
      out << indent << "Time waited:   " << Duration(f.Waited) << "\n";
    if (f.Balance >= 0)
      out << indent << "Time saved:    " << Duration(f.Balance) << "\n";
    else
      out << indent << "Time lost:     " << Duration(-f.Balance) << "\n";
    if (f.Demurrage != 0.0)
      out << indent << "Demurrage:     " << Amount(f.Demurrage) << "\n";
    if (f.Commission != 0.0)
      out << indent << "Commission:    " << Amount(f.Commission) << "\n";
    if (f.Despatch != 0.0)
      out << indent << "Despatch:      " << Amount(f.Despatch) << "\n";
  }

private:
  const TCalculation& FCalculation;
  const TFormatContext& FContext;
  TFigureTexts FTexts;
};

std::string Operation(const TPortRec& port) {
  if (port.OpLoading && port.OpDischarging)
    return "loading and discharging";
  if (port.OpLoading)
    return "loading";
  if (port.OpDischarging)
    return "discharging";
  return "no operation";
}

#define LAYTIME_GROUP_FIGURES(v, Group)                                                            \
  TFigures {                                                                                       \
    v.TimeAllowed##Group, v.TimeUsed##Group, v.TimeWaited##Group,                                  \
        v.TimeAllowed##Group - v.TimeUsed##Group - v.TimeWaited##Group, v.Demurrage##Group,        \
        v.Despatch##Group, v.Commission##Group                                                     \
  }

} // namespace

std::string TextAccount(const TCalculation& calculation, const TFormatContext& context,
                        const TCalcNotices& notices) {
  const TVoyageRec& voyage = calculation.Voyage;
  const TAccountWriter writer(calculation, context);
  std::ostringstream out;
  out << "Vessel: " << (voyage.VesselName.empty() ? "-" : voyage.VesselName) << "\n";
  out << "Calculation: " << CalculationModeText(voyage) << "\n";

  for (int i = 0; i < calculation.Ports.Count(); ++i) {
    const TPortRec& port = calculation.Ports.GetItem(i).PortData;
    out << "\nPort " << i + 1 << ": " << (port.PortName.empty() ? "-" : port.PortName) << " ("
        << Operation(port) << ")\n";
    out << "  " << PortModeText(voyage, port) << "\n";
    TFigures figures{port.TimeAllowed, port.TimeUsed, port.TimeWaited, port.M1,
                     port.Demurrage,   port.Despatch, port.Commission};
    writer.Figures(out, "  ", figures);
    if (port.DemurrageDate != EmptyDay)
      out << "  On demurrage:  " << writer.Moment(port.DemurrageDate, port.DemurrageTime) << "\n";
  }

  const TPortMode mode = voyage.PortMode;
  const bool byGroups = mode == TPortMode::LoadingReversible ||
                        mode == TPortMode::DischargingReversible ||
                        mode == TPortMode::LoadDischReversible;
  if (byGroups) {
    out << "\nLoading ports:\n";
    writer.Figures(out, "  ", LAYTIME_GROUP_FIGURES(voyage, Loading));
    out << "\nDischarging ports:\n";
    writer.Figures(out, "  ", LAYTIME_GROUP_FIGURES(voyage, Discharging));
  } else {
    TFigures all = LAYTIME_GROUP_FIGURES(voyage, AllPorts);
    if (mode == TPortMode::AllAverage)
      all.Balance = voyage.M1AllPorts;
    out << "\nVoyage:\n";
    writer.Figures(out, "  ", all);
  }

  const TNetAmounts net = GetNetAmounts(voyage);
  out << "\nNet demurrage:   " << writer.Amount(net.DemurrageNet) << "\n";
  out << "Despatch:        " << writer.Amount(net.Despatch) << "\n";
  const double balance = net.Despatch - net.DemurrageNet;
  out << "Net balance:     " << writer.Amount(balance)
      << (balance < 0   ? " (due to owners)"
          : balance > 0 ? " (due to charterers)"
                        : "")
      << "\n";

  if (notices.WeekendEntry.IsSet())
    out << "\nNotice: entry during a weekend at "
        << writer.Moment(notices.WeekendEntry.Day, notices.WeekendEntry.Time) << ", condition "
        << FactCodeName(notices.WeekendEntry.Condition) << "\n";
  if (notices.Shifting.IsSet())
    out << "\nNotice: shifting while on demurrage from "
        << writer.Moment(notices.Shifting.Day, notices.Shifting.Time) << "\n";
  return out.str();
}

#undef LAYTIME_GROUP_FIGURES

} // namespace laytime::cli
