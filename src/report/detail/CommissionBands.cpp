// The commission line below the amount of the band that owns a port's amount line.
#include "report/detail/ReportRunBuilder.h"

namespace laytime::detail {

TCommissionValues TReportRunBuilder::AllPortsCommission() const {
  return {FVoyage.CommissionPctAllPorts, FVoyage.CommissionAllPorts,
          FVoyage.DemurrageAllPorts - FVoyage.CommissionAllPorts};
}

TCommissionValues TReportRunBuilder::CommissionOfOwner() const {
  if (IsAveragedLast()) {
    return AllPortsCommission();
  }
  if (IsGroupLastPort()) {
    const TGroupSet set = GroupSet();
    return {set.CommissionPct, set.Commission, set.Demurrage - set.Commission};
  }
  if (Mode() == TPortMode::AllAverage) {
    return AllPortsCommission();
  }
  const TPortRec& port = Port();
  return {port.PortCommissionPct, port.Commission, port.Demurrage - port.Commission};
}

void TReportRunBuilder::CommissionRows(TBandBuilder& b, const std::string& percentage,
                                       double commission, double net) {
  b.Text(AmountCaptionWidth, 25.0, "Less");
  b.Right(AmountCaptionWidth + 25.0, AmountTimeRight, percentage);
  b.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, "% Commission");
  b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
  b.Right(AmountValueLeft, Width(), FFigures.Money(commission));
  b.NextRow();
  b.Rule(AmountCurrency2, Width());
  b.Text(AmountTimeUnit, AmountCurrency2 - AmountTimeUnit, "Amount due", TCaptionAlign::Left,
         TStyle::Bold);
  b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency, TCaptionAlign::Left,
         TStyle::Bold);
  b.Right(AmountValueLeft, Width(), FFigures.Money(net), TStyle::Bold);
  b.NextRow();
}

void TReportRunBuilder::BuildCommission(const TCommissionValues& values) {
  TBandBuilder b("qrbCommission", BodyFont, BodyRow);
  CommissionRows(b, FFigures.CommissionPct(values.Percentage), values.Commission, values.Net);
  b.Rule(0.0, Width());
  Add(b);
}

} // namespace laytime::detail
