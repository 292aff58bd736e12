// The partners' shares: per port and for the voyage on quantity, the tanker shares on time.
#include "report/detail/ReportRunBuilder.h"

#include "core/DayTime.h"
#include "report/ResultTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace laytime::detail {

void TReportRunBuilder::ShareRows(TBandBuilder& b, double quantity, double total, double percentage,
                                  double amount, TStyle amountStyle) {
  b.Text(0.0, AmountCaptionWidth, "Share of:");
  b.Text(AmountCaptionWidth, Width() - AmountCaptionWidth,
         FCalc.ProRata.GetItem(FPartner).ProRataRec.Charterer);
  b.NextRow();
  b.Text(0.0, AmountCaptionWidth, "Cargo quantity:");
  b.Right(AmountCaptionWidth, ShareQtyRight, FFigures.Quantity(quantity));
  b.Text(ShareOf, 15.0, "of");
  b.Right(ShareOf + 15.0, ShareTotalRight, FFigures.Quantity(total));
  b.Text(ShareEquals, 10.0, "=");
  b.Right(ShareEquals + 10.0, SharePctRight, FFigures.SharePct(percentage));
  b.Text(SharePctSign, 10.0, "%");
  b.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency, TCaptionAlign::Left,
         TStyle::Bold);
  b.Right(AmountValueLeft, Width(), FFigures.Money(amount), amountStyle);
  b.NextRow();
}

void TReportRunBuilder::BuildSharePerPort() {
  if (!(PartnersPresent() && FVoyage.ProRataPerPort && OnQuantityMethod())) {
    return;
  }
  const TDetailView d = Detail();
  TBandBuilder b("qrbProRataSharePerPort", BodyFont, BodyRow);
  ShareRows(b, d.Quantity, FCalc.ProRata.TotalQuantityForPort(FPort), d.Percentage,
            std::abs((d.DemurrageAmount - d.DespatchAmount).ToDouble()), TStyle::BoldUnderline);
  Add(b);
  if (IsLastPort() && FSettings.PrintMultiplePortSummary) {
    const TProRataItem& partner = FCalc.ProRata.GetItem(FPartner);
    TBandBuilder t("qrbProRataSharePerPortBalance", BodyFont, BodyRow);
    BalanceRow(t, "Total Demurrage net", "", partner.TotalDemurrageValue().ToDouble());
    BalanceRow(t, "Total Despatch", "", partner.TotalDespatchValue().ToDouble());
    BalanceRow(t, "Total Commission", "", partner.TotalCommissionValue().ToDouble());
    t.Rule(AmountCurrency2, Width());
    BalanceRow(t, "Balance:", "", partner.NetAmountDue().ToDouble(), TStyle::Bold);
    t.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
    Add(t);
  }
}

void TReportRunBuilder::BuildProRata() {
  if (!(IsLastPort() && PartnersPresent() && OnQuantityMethod() && !FVoyage.ProRataPerPort)) {
    return;
  }
  const TProRataItem& partner = FCalc.ProRata.GetItem(FPartner);
  const TNetAmounts net = GetNetAmounts(FVoyage);
  const double percentage = EmptyToZero(partner.Percentage());
  double share = 0.0;
  if (!(FVoyage.DespatchDisabled && net.Despatch > net.DemurrageNet)) {
    share = std::abs(net.DemurrageNet - net.Despatch) * percentage / 100.0;
  }
  TBandBuilder b("qrbProRata", BodyFont, BodyRow);
  b.Gap(2.0);
  ShareRows(b, partner.ProRataRec.Quantity, FCalc.ProRata.TotalQuantity(), partner.Percentage(),
            share, TStyle::Bold);
  b.Rule(0.0, Width());
  Add(b);
}

void TReportRunBuilder::BuildTankerProRata() {
  if (!OnTimeWithPartners()) {
    return;
  }
  const TPortRec& port = Port();
  const TDetailView d = Detail();
  TBandBuilder b("qrbTankerProRata", BodyFont, BodyRow);
  b.Gap(2.0);
  b.Text(0.0, AccountLabelWidth, "Share of:");
  b.Text(AccountDaysLeft, Width() - AccountDaysLeft,
         FCalc.ProRata.GetItem(FPartner).ProRataRec.Charterer);
  b.NextRow();
  AccountRow(b, "Time allowed:", d.AllocatedMinutes);
  b.Text(SideLabel, Width() - SideLabel,
         d.LessThanMinimum ? "Minimum Allowance" : "Pro Rata Allowance");
  b.NextRow();
  AccountRow(b, "Time used:", d.SharedMinutes);
  b.Text(SideLabel, 30.0, "Share:");
  b.Right(SideLabel + 25.0, 365.0, FFigures.SharePct(d.Percentage));
  b.Text(368.0, 10.0, "%");
  b.Text(382.0, 15.0, "of");
  DaysClockCaptions(b, 395.0, 425.0, 429.0, 439.0, UsedAndWaited(port.TimeUsed, port.TimeWaited));
  b.NextRow();
  b.Rule(0.0, AccountRuleRight);
  const TDuration balance = d.AllocatedMinutes - d.SharedMinutes;
  if (balance > 0) {
    AccountRow(b, "Time saved:", balance, TStyle::Bold);
  } else {
    AccountRow(b, "Time lost:", -balance, TStyle::Bold);
  }
  b.NextRow();
  b.Rule(0.0, Width());
  Add(b);

  TAmountLine line;
  line.Caption = "Partner demurrage due:";
  LostTime(line, std::max(d.SharedMinutes - d.AllocatedMinutes, 0), "days pro rata at",
           "hrs pro rata at");
  SetRate(line, port.PortDemurrageRate);
  TBandBuilder due("qrbTankerProRataDue", BodyFont, BodyRow);
  due.Text(0.0, AmountCaptionWidth, line.Caption, TCaptionAlign::Left, TStyle::Bold);
  due.Right(AmountCaptionWidth, AmountTimeRight, line.Time);
  due.Text(AmountTimeUnit, AmountCurrency1 - AmountTimeUnit, line.TimeUnit);
  due.Text(AmountCurrency1, 30.0, FVoyage.Currency);
  due.Right(AmountCurrency1 + 30.0, AmountRateRight, line.Rate);
  due.Text(AmountRateUnit, AmountCurrency2 - AmountRateUnit, line.RateUnit);
  due.Text(AmountCurrency2, AmountValueLeft - AmountCurrency2, FVoyage.Currency);
  due.Right(AmountValueLeft, Width(), FFigures.Money(d.DemurrageAmount), TStyle::Bold);
  due.NextRow();
  Add(due);

  const double pct = EmptyToZero(port.PortCommissionPct);
  if (!FVoyage.ProRataPerPort && pct != 0.0) {
    TBandBuilder c("qrbTankerProRataCommission", BodyFont, BodyRow);
    CommissionRows(c, FFigures.SharePct(port.PortCommissionPct), d.CommissionAmount.ToDouble(),
                   d.NetAmount.ToDouble());
    Add(c);
  }
}

void TReportRunBuilder::BuildTankerProRataBalance() {
  if (!(IsLastPort() && OnTimeWithPartners() && FPortCount > 1)) {
    return;
  }
  TBandBuilder b("qrbTankerProRataBalance", BodyFont, BodyRow);
  b.Gap(2.0);
  b.Rule(AmountCurrency2, Width());
  BalanceRow(b, "Total Amount due", "", FCalc.ProRata.GetItem(FPartner).NetAmountDue().ToDouble(),
             TStyle::Bold);
  b.Rule(AmountCurrency2, Width(), TRuleStyle::Double);
  Add(b);
}

} // namespace laytime::detail
