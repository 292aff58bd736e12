#include "FileTestSupport.h"

#include "files/FileImage.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace laytime::test {

TTempFolder::TTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "laytime-files-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot create a temporary folder");
  FPath = pattern;
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(FPath, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(FPath, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void Reseal(std::vector<std::uint8_t>& image) {
  const std::uint32_t crc = ChecksumOfImage(image, 14);
  for (int i = 0; i < 4; ++i)
    image[14 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

void FillSettings(TTemplateSettings& s) {
  s.Password = "SCRAMBLED";
  s.MailTextResults = "Results attached";
  s.MailTextCalculation = "Calculation attached";
  s.MailTextSoF = "SoF attached";
  s.ShexText = "SHEX period";
  s.OpCompletedText = "Operations completed";
  s.TimeSavedText = "Time saved";
  s.VesOnDemurrageText = "Vessel on demurrage";
  s.CPFormCaption = "Charter form";
  s.VoyInfo1Caption = "Owner";
  s.VoyInfo2Caption = "Route";
  s.VoyInfo3Caption = "Notes";
  s.LogoFileName = "logo.png";
  s.ReportTitle = "Laytime Statement – Größe";
  s.ReportTitleFontName = "Times New Roman";
  s.ReportTitleFontStyle = 0x0B;
  s.LogoScale = 3;
  s.ReportTitlePosition = 2;
  s.LaytimeLimitDays = 400;
  s.PortTimeLimitDays = 60;
  s.LoadDaysLimit = 49.5;
  s.PerUnitRateLimit = 250.25;
  s.ReplaceRemarks = true;
  s.AutoRemark = false;
  s.SkipIrrelevantEntries = true;
  s.DefaultDespatchDisabled = true;
  s.DefaultShexDisabled = true;
  s.Reserved25 = 7;
  s.ReportTitleFontSize = 18;
  s.ShowGroupRatesOnPortPage = true;
  s.DefaultAlwaysOnDemurrage = false;
  s.DefaultDespatchMode = TCalcDespatch::calcSavedtime;
  s.Reserved30 = 123456;
  s.DefaultPortMode = TPortMode::AllAverage;
  s.PrintVesselOnDemurrage = false;
  s.InfoEntryTexts = {"Arrived", "", "Berthed"};
  s.LaytimeCommencesTexts = {"Laytime commenced", "NOR + 6 hours"};
  s.LaytimeCompletedTexts = {"Loading completed"};
  for (int code = 0; code < FactCodeCount; ++code)
    s.RemarkLists[static_cast<std::size_t>(code)] = {"Remark " + std::to_string(code), "second"};
  s.RemarkLists[3] = {};
  s.ShexPresets = {TShexRec{5, 1020, 8, 480, "Fri 17:00 - Mon 08:00"},
                   TShexRec{6, 0, 7, 0, "Weekend"}};
}

namespace {

void FillPort(TPortItem& port, int number, const std::string& separator) {
  TPortRec& p = port.PortData;
  const double n = number;
  p.PortName = "Port " + std::to_string(number) + " – Zürich";
  p.OpLoading = number == 1;
  p.OpDischarging = number != 1;
  p.PortLoadUnits = TLoadUnits::load_units_p_hour;
  p.PortLoadRate = 1000.5 + n;
  p.PortDespatchMode = TCalcDespatch::calcWorktime;
  p.PortCalcCQD = number == 2;
  p.PortDemurrageRate = 12000 + n;
  p.PortDespatchRate = 6000 + n;
  p.PortCommissionPct = 2.5 + n;
  p.CargoName = "Wheat";
  p.CargoQuantity = 25000.125 + n;
  p.CargoUnits = "cbm";
  p.LayTimeCountFrom = {45100 + number, static_cast<TMinuteOfDay>(600 + number), "NOR tendered"};
  p.LayTimeOpCompleted = {45105 + number, static_cast<TMinuteOfDay>(1440), "Completed"};
  p.TimeUsed = 7000 + number;
  p.TimeAllowed = 6000 + number;
  p.ShexOption = 1;
  p.ShexStartDay = 5;
  p.ShexEndDay = 1;
  p.ShexStartTime = 1020;
  p.ShexEndTime = 480;
  p.PreAdvDate = 45099;
  p.PreAdvTime = 360;
  p.PreAdvOffsDays = 1;
  p.PreAdvOffsTime = 120;
  p.PortAddAllowanceDays = 2;
  p.PortAddAllowanceTime = 90;
  p.pRemarks = "Remarks of port " + std::to_string(number);
  p.TankerMinTimeAllowance = 720;
  p.UseTieredDemurrage = true;

  port.PortInfoCollection.Clear();
  TPortInfoItem& notice = port.PortInfoCollection.Add();
  notice.FDateTimeInfoRec = {45100, 480, "Notice tendered"};
  TPortInfoItem& berthed = port.PortInfoCollection.Add();
  berthed.FDateTimeInfoRec = {EmptyDay, EmptyTime, "Berthed"};

  TSoFLine& first = port.SoFCollection.Add();
  first.SetSoFRec(
      TSoFRec{45102, 720, TFactCode::full_tfact, 100.0, "100" + separator + "00", "Loading", 0});
  TSoFLine& second = port.SoFCollection.Add();
  second.SetSoFRec(TSoFRec{45103, 1440, TFactCode::part_tfact, 12.5, "12" + separator + "5",
                           "Rain – Schauer", 0});

  TTieredRates& tiers = port.TieredDemurrageRates;
  tiers.Clear();
  tiers.Add().Rate = 10000;
  TTieredRate& second_tier = tiers.Add();
  second_tier.FromDay = 3;
  second_tier.FromTimeInMinutes = 360;
  second_tier.Rate = 15000;
  tiers.Add();
}

} // namespace

void FillCalculation(TCalculation& c, const std::string& decimalSeparator) {
  TVoyageRec& v = c.Voyage;
  v.AllPurposeAllPorts = true;
  v.AllPurposeLoading = true;
  v.AllPurposeDischarging = true;
  v.LoadUnitsAllPorts = TLoadUnits::load_days;
  v.LoadUnitsLoading = TLoadUnits::load_hours;
  v.LoadUnitsDischarging = TLoadUnits::load_undef;
  v.LoadRateAllPorts = 3.5;
  v.LoadRateLoading = 48;
  v.LoadRateDischarging = 5000;
  v.AddAllowanceDaysAllPorts = 1;
  v.AddAllowanceDaysLoading = 2;
  v.AddAllowanceDaysDischarging = 3;
  v.AddAllowanceTimeAllPorts = 60;
  v.AddAllowanceTimeLoading = 120;
  v.AddAllowanceTimeDischarging = 180;
  v.NoOfHatches = 5;
  v.VesselName = "MV Ωmega";
  v.CPForm = "Gencon";
  v.VoyInfo1 = "Partner A";
  v.VoyInfo2 = "Rouen/Alexandria";
  v.VoyInfo3 = "Details";
  v.CPDate = 45000;
  v.LastUpdate = 45010;
  v.PortMode = TPortMode::LoadDischReversible;
  v.total_time_allowed = 10000;
  v.total_time_used = 12000;
  v.total_time_saved = -2000;
  v.Currency = "EUR";
  v.AlwaysOnDemurrage = false;
  v.DespatchModeAllPorts = TCalcDespatch::calcWorktime;
  v.DespatchModeLoading = TCalcDespatch::calcSavedtime;
  v.DespatchModeDischarging = TCalcDespatch::calcWorktime;
  v.FixtureNo = "FX-77";
  v.VoyageId = 4711;
  v.Locked = true;
  v.DemurrageRateAllPorts = 11000;
  v.DespatchRateAllPorts = 5500;
  v.CommissionPctAllPorts = 1.25;
  v.DemurrageRateLoading = 12000;
  v.DespatchRateLoading = 6000;
  v.CommissionPctLoading = 2.5;
  v.DemurrageRateDischarging = 13000;
  v.DespatchRateDischarging = 6500;
  v.CommissionPctDischarging = 3.75;
  v.BL_date = 45020;
  v.UniqueFileName = "8d3c-11ee";
  v.ContractNo = "C-1";
  v.InvoiceAddress = "Line 1\r\nLine 2";
  v.Remarks = "Remarks";
  v.StatusInfo = "Closed";
  v.Reference = "Ref";
  v.YourSign = "YS";
  v.OurSign = "OS";
  v.unused_TemplateName = "Old.ZQT";
  v.ShexDisabled = true;
  v.DespatchDisabled = true;
  v.ProRataPerPort = true;
  v.HintProRataCalcMethod = 1;
  v.HintProRataRoundingMethod = 2;
  v.HintDemurrageRateUnit = 1;

  TStatusRec& s = c.Status;
  s.TemplateName = "DryCargo.ZQT";
  s.OriginalName = "Voyage 12";
  s.Password = "SECRET";
  s.CreatedBy = "alice";
  s.LastSavedBy = "bob";
  s.CreateDate = 44900;
  s.CreateTime = 15;
  s.LastSaveDate = 44950;
  s.LastSaveTime = 1439;
  s.LastPrintDate = 44960;
  s.LastPrintTime = 0;
  s.TotalEditTime = 1.75;
  s.CalculationValid = true;
  s.BeginEdit = 44950.5;
  s.EditCount = 9;
  s.LoadingPortTime = 100;
  s.DischargingPortTime = 200;
  s.TotalPortTime = 300;
  s.TotalLaytime = 250;
  s.TotalTimeSaved = -50;
  s.TotalTimeLost = 50;
  s.TotalDemurrage = 12345.67;
  s.TotalDespatch = 0.5;
  s.sRemarks = "Status remarks";

  c.Ports.Clear();
  FillPort(c.Ports.Add(), 1, decimalSeparator);
  FillPort(c.Ports.Add(), 2, decimalSeparator);

  c.ProRata.Clear();
  TProRataItem& first = c.ProRata.Add();
  first.ProRataRec.Charterer = "Cargill";
  first.ProRataRec.Remark = "first";
  first.ProRataRec.Quantity = 6000;
  first.GetPortDetails(0).SetQuantity(3000);
  first.GetPortDetails(0).SetSharedMinutes(90);
  first.GetPortDetails(1).SetQuantity(3000.5);
  first.GetPortDetails(1).SetSharedMinutes(45);
  TProRataItem& second = c.ProRata.Add();
  second.ProRataRec.Charterer = "Bunge";
  second.ProRataRec.Quantity = 4000;
  second.GetPortDetails(1).SetQuantity(4000);
}

void ExpectSameCalculation(const TCalculation& actual, const TCalculation& expected) {
  EXPECT_EQ(actual.Voyage, expected.Voyage);
  EXPECT_EQ(actual.Status, expected.Status);
  ASSERT_EQ(actual.Ports.Count(), expected.Ports.Count());
  for (int i = 0; i < expected.Ports.Count(); ++i) {
    const TPortItem& a = actual.Ports.GetItem(i);
    const TPortItem& e = expected.Ports.GetItem(i);
    EXPECT_EQ(TemplatePortFields(a.PortData), TemplatePortFields(e.PortData)) << "port " << i;
    EXPECT_EQ(CalculationPortFields(a.PortData), CalculationPortFields(e.PortData)) << "port " << i;
    ASSERT_EQ(a.PortInfoCollection.Count(), e.PortInfoCollection.Count());
    for (int j = 0; j < e.PortInfoCollection.Count(); ++j)
      EXPECT_EQ(a.PortInfoCollection.GetItem(j).FDateTimeInfoRec,
                e.PortInfoCollection.GetItem(j).FDateTimeInfoRec);
    ASSERT_EQ(a.SoFCollection.Count(), e.SoFCollection.Count());
    for (int j = 0; j < e.SoFCollection.Count(); ++j)
      EXPECT_EQ(a.SoFCollection.GetItem(j).SoFRec(), e.SoFCollection.GetItem(j).SoFRec());
    EXPECT_EQ(a.TieredDemurrageRates, e.TieredDemurrageRates) << "port " << i;
  }
  ASSERT_EQ(actual.ProRata.Count(), expected.ProRata.Count());
  for (int i = 0; i < expected.ProRata.Count(); ++i) {
    const TProRataItem& a = actual.ProRata.GetItem(i);
    const TProRataItem& e = expected.ProRata.GetItem(i);
    EXPECT_EQ(a.ProRataRec, e.ProRataRec);
    for (int port = 0; port < expected.Ports.Count(); ++port) {
      const TProRataPortCalculation* ad = a.FindPortDetails(port);
      const TProRataPortCalculation* ed = e.FindPortDetails(port);
      ASSERT_NE(ad, nullptr) << "partner " << i << " port " << port;
      EXPECT_EQ(ad->Quantity(), ed != nullptr ? ed->Quantity() : 0.0);
      EXPECT_EQ(ad->SharedMinutes(), ed != nullptr ? ed->SharedMinutes() : 0);
    }
  }
}

} // namespace laytime::test
