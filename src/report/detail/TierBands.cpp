// The rows of tiered demurrage and their summary.
#include "report/detail/ReportRunBuilder.h"

namespace laytime::detail {

void TReportRunBuilder::BuildTierRows() {
  const TPortItem& item = Item();
  const TTieredRates& rates = item.TieredDemurrageRates;
  const ITieredTimes* times = item.PortData.TieredTimes.get();
  if (FVoyage.ProRataPerPort && HasPartner()) {
    const TDetailView d = Detail();
    times = d.TieredTimes != nullptr ? d.TieredTimes : &FNoTiers;
  }
  if (times == nullptr) {
    times = &FNoTiers;
  }
  for (int i = 0; i < rates.GetCount(); ++i) {
    const TTieredRate& tier = rates.GetItem(i);
    const Currency amount = times->Calc(i, tier.Rate);
    if (rates.IsEmptyRec(i) || amount == Currency()) {
      continue;
    }
    const auto minutes = static_cast<TDuration>(times->GetMinutesAllocatedToTier(i));
    TAmountLine line;
    LostTime(line, minutes, "days at", "hrs  at");
    SetRate(line, tier.Rate);
    TBandBuilder b("qrbAmountDueTiered", BodyFont, BodyRow);
    b.Right(AmountCaptionWidth, AmountTimeRight, line.Time);
    b.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, line.TimeUnit);
    b.Text(AmountCurrency1, 30.0, FVoyage.Currency);
    b.Right(AmountCurrency1 + 30.0, AmountRateRight, line.Rate);
    b.Text(AmountRateUnit, AmountCurrency2 - AmountRateUnit, line.RateUnit);
    b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
    b.Right(AmountValueLeft, Width(), FFigures.Money(amount), TStyle::Bold);
    b.NextRow();
    Add(b);
  }
}

void TReportRunBuilder::BuildTieredSummary() {
  const double amount =
      OnTimeWithPartners() ? Detail().DemurrageAmount.ToDouble() : Port().Demurrage;
  TBandBuilder b("qrbTieredSummary", BodyFont, BodyRow);
  b.Rule(AmountCurrency2, Width());
  b.Text(0.0, AmountCaptionWidth, "Demurrage due:", TCaptionAlign::Left, TStyle::Bold);
  b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
  b.Right(AmountValueLeft, Width(), FFigures.Money(amount), TStyle::Bold);
  b.NextRow();
  b.Rule(AmountCurrency2, Width());
  Add(b);
}

} // namespace laytime::detail
