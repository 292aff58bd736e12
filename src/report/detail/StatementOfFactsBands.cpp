// The dated rows of a port and its counted statement of facts.
#include "report/detail/ReportRunBuilder.h"

#include "calc/SyntheticLineMarker.h"
#include "core/DateText.h"
#include "core/DayTime.h"
#include "core/OperationWords.h"
#include "core/TimeText.h"

namespace laytime::detail {

void TReportRunBuilder::DatedRow(TBandBuilder& b, TDayNumber date, int time,
                                 const std::string& text, TStyle style) {
  b.Text(DateWeekday, DateDay - DateWeekday, WeekdayName(date, false));
  b.Text(DateDay, DateTime - DateDay, ZQDateToStr(date, false, FRun.Format), TCaptionAlign::Left,
         style);
  b.Text(DateTime, DateText - DateTime, ZQTimeToStr(time), TCaptionAlign::Left, style);
  b.Text(DateText, Width() - DateText, text);
  b.NextRow();
}

void TReportRunBuilder::BuildPreAdvise() {
  const TPortRec& port = Port();
  if (!(port.PreAdvDate > 0 || port.PreAdvTime >= 0)) {
    return;
  }
  TBandBuilder b("qrbPreAdvise", BodyFont, BodyRow);
  DatedRow(b, port.PreAdvDate, port.PreAdvTime, "Pre advise given", TStyle::Regular);
  Add(b);
}

void TReportRunBuilder::BuildSpacer() {
  TBandBuilder b("qrbSpacer", BodyFont, BodyRow);
  b.Gap(BodyRow / 2.0);
  Add(b);
}

void TReportRunBuilder::BuildDateTimeInfo() {
  const TPortItem& item = Item();
  const TPortRec& port = item.PortData;
  const TPortInfoCollection& infos = item.PortInfoCollection;
  for (int i = 0; i < infos.Count(); ++i) {
    const TDateTimeInfoRec& info = infos.GetItem(i).FDateTimeInfoRec;
    if (!(info.Date > 0) && info.Time == EmptyTime) {
      continue;
    }
    TBandBuilder b("qrbDateTimeInfo", BodyFont, BodyRow);
    DatedRow(b, info.Date, info.Time, AdaptOperationWords(info.Text, port.OpLoading),
             TStyle::Regular);
    Add(b);
  }
  for (const TDateTimeInfoRec* info : {&port.LayTimeCountFrom, &port.LayTimeOpCompleted}) {
    TBandBuilder b("qrbDateTimeInfo", BodyFont, BodyRow);
    DatedRow(b, info->Date, info->Time, AdaptOperationWords(info->Text, port.OpLoading),
             TStyle::Bold);
    Add(b);
  }
}

void TReportRunBuilder::BuildStatementOfFacts() {
  const TSoFCollection& lines = Item().SoFResultCollection;
  if (lines.Count() == 0) {
    return;
  }
  TBandBuilder header("qrbSoFHeader", SoFFont, SoFRow);
  header.Gap(3.0);
  header.Rule(0.0, Width());
  header.Text(SoFWeekday, SoFFrom - SoFWeekday, "Date");
  header.Text(SoFFrom, SoFUntil - SoFFrom, "From");
  header.Text(SoFUntil, 30.0, "Until");
  header.Right(130.0, SoFPctRight, "% to count");
  header.Text(SoFRemark, SoFRemarkWidth, "Remarks/Description");
  header.Right(380.0, SoFUsedRight, "Time used");
  header.Right(430.0, Width(), "Total time   days  hh:mm");
  header.NextRow();
  header.Rule(0.0, Width());
  Add(header);

  for (int i = 0; i < lines.Count(); ++i) {
    BuildSoFLine(lines.GetItem(i), i + 1 == lines.Count());
  }
}

void TReportRunBuilder::BuildSoFLine(const TSoFLine& line, bool last) {
  const TSoFRec& rec = line.SoFRec();
  TDayNumber day = EmptyDay;
  int minute = EmptyTime;
  const TMinuteStamp stamp = DayTimeToMinutes(line.GetFromDate(), line.GetFromTime());
  if (stamp > 0) {
    const TDayTime start = MinutesToDayTime(stamp);
    day = start.Day;
    minute = start.Minute;
  }
  const bool showDate = day != FLastPrintedDate;
  FLastPrintedDate = day;
  FRunningTotal += rec.FResMinsToCount;

  TBandBuilder b("qrbSoFLine", SoFFont, SoFRow);
  if (showDate) {
    b.Text(SoFWeekday, SoFDate - SoFWeekday, WeekdayName(day, false));
    b.Text(SoFDate, SoFFrom - SoFDate, ZQDateToStr(day, false, FRun.Format));
  }
  std::vector<std::string> remark;
  if (IsSyntheticRemark(rec.FRemark)) {
    b.Text(SoFFrom, SoFUntil - SoFFrom, ZQTimeToStr(rec.FUntilTime));
    remark = b.Wrap(rec.FRemark.substr(SyntheticLineMarker.size()), SoFRemarkWidth, FRun.Metrics);
    WriteRemark(b, remark, TStyle::Bold);
  } else {
    b.Text(SoFFrom, SoFUntil - SoFFrom, ZQTimeToStr(minute));
    b.Text(SoFUntil, SoFPctRight - SoFUntil - 40.0, ZQTimeToStr(rec.FUntilTime));
    b.Right(SoFPctRight - 40.0, SoFPctRight, FFigures.SharePct(rec.FPct));
    b.Right(SoFRemark + SoFRemarkWidth, SoFUsedRight, ZQTimeToStr(rec.FResMinsToCount),
            TStyle::Bold);
    std::string days;
    std::string time;
    ShowDaysAndTime(FRunningTotal, &days, time);
    b.Right(SoFUsedRight + 5.0, SoFDaysRight, days);
    b.Right(SoFDaysRight + 5.0, Width(), time);
    remark = b.Wrap(rec.FRemark, SoFRemarkWidth, FRun.Metrics);
    WriteRemark(b, remark, TStyle::Regular);
  }
  if (last) {
    b.Rule(0.0, Width());
  }
  Add(b);
}

void TReportRunBuilder::WriteRemark(TBandBuilder& b, const std::vector<std::string>& lines,
                                    TStyle style) {
  for (const std::string& text : lines) {
    b.Text(SoFRemark, SoFRemarkWidth, text, TCaptionAlign::Left, style);
    b.NextRow();
  }
}

} // namespace laytime::detail
