// The voyage balance of demurrage against despatch, and the total when despatch is disabled.
#include "report/detail/ReportRunBuilder.h"

#include "report/ResultTexts.h"

#include <algorithm>

namespace laytime::detail {

void TReportRunBuilder::BalanceRow(TBandBuilder& b, const std::string& label,
                                   const std::string& word, double amount, TStyle labelStyle) {
  b.Text(BalanceLabel, BalanceWord - BalanceLabel, label, TCaptionAlign::Left, labelStyle);
  b.Text(BalanceWord, AmountCurrency2 - BalanceWord, word);
  b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
  b.Right(AmountValueLeft, Width(), FFigures.Money(amount), labelStyle);
  b.NextRow();
}

bool TReportRunBuilder::VoyageSummaryApplies() const {
  return IsVoyageLast() && FSettings.PrintMultiplePortSummary && FPortCount > 1 &&
         !FVoyage.ProRataPerPort;
}

void TReportRunBuilder::BuildBalance() {
  if (!(VoyageSummaryApplies() && !FVoyage.DespatchDisabled && OnQuantityMethod())) {
    return;
  }
  const TNetAmounts net = GetNetAmounts(FVoyage);
  TBandBuilder b("qrbBalance", BodyFont, BodyRow);
  b.Gap(2.0);
  BalanceRow(b, "Total Demurrage net", "", net.DemurrageNet);
  BalanceRow(b, "Total Despatch", "", net.Despatch);
  b.Rule(AmountCurrency2, Width());
  if (net.DemurrageNet >= net.Despatch) {
    BalanceRow(b, "Balance:", "Demurrage", net.DemurrageNet - net.Despatch, TStyle::Bold);
  } else {
    BalanceRow(b, "Balance:", "Despatch", net.Despatch - net.DemurrageNet, TStyle::Bold);
  }
  b.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
  Add(b);
}

void TReportRunBuilder::BuildBalanceNoDespatch() {
  if (!(VoyageSummaryApplies() && FVoyage.DespatchDisabled && !OnTimeWithPartners())) {
    return;
  }
  const TNetAmounts net = GetNetAmounts(FVoyage);
  TBandBuilder b("qrbBalanceNoDespatch", BodyFont, BodyRow);
  b.Gap(2.0);
  b.Rule(AmountCurrency2, Width());
  BalanceRow(b, "Total Demurrage", "", std::max(net.DemurrageNet - net.Despatch, 0.0),
             TStyle::Bold);
  b.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
  Add(b);
}

} // namespace laytime::detail
