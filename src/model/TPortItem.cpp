#include "model/TPortItem.h"

#include "model/TCalculation.h"
#include "model/TSHexCollection.h"
#include "model/TTieredTimes.h"

#include <memory>

namespace laytime {

namespace {

std::string FirstOrEmpty(const std::vector<std::string>& texts) {
  return texts.empty() ? std::string() : texts.front();
}

} // namespace

TPortItem::TPortItem(TCalculation& calculation) : FCalculation(&calculation) {
  ClearData();
}

TPortItem::~TPortItem() = default;

void TPortItem::ClearData() {
  const TTemplateSettings& settings = FCalculation->TemplateSettings;

  TPortRec cleared;
  cleared.ShexOption = PortData.ShexOption;
  cleared.UseTieredDemurrage = PortData.UseTieredDemurrage;
  cleared.LayTimeCountFrom.Text = FirstOrEmpty(settings.LaytimeCommencesTexts);
  cleared.LayTimeOpCompleted.Text = FirstOrEmpty(settings.LaytimeCompletedTexts);
  cleared.TieredTimes = std::make_shared<TTieredTimes>();
  PortData = std::move(cleared);

  PortInfoCollection.Clear();
  PortInfoCollection.Assign(FCalculation->DefaultInfoEntries);
  SoFCollection.Clear();
  SoFResultCollection.Clear();
  TieredDemurrageRates.DefaultsFrom(PortData.PortDemurrageRate);
}

void TPortItem::Assign(const TPortItem& source) {
  if (&source == this)
    return;
  // Each port keeps an allocation of its own, so that pricing one port never changes another.
  auto times = std::make_shared<TTieredTimes>();
  if (const auto* sourceTimes =
          dynamic_cast<const TTieredTimes*>(source.PortData.TieredTimes.get()))
    *times = *sourceTimes;
  PortData = source.PortData;
  PortData.TieredTimes = std::move(times);

  SoFCollection.Assign(source.SoFCollection);
  SoFResultCollection.Assign(source.SoFResultCollection);
  PortInfoCollection.Assign(source.PortInfoCollection);
}

void TPortItem::ApplyShexPreset(const TShexRec& preset, int position) {
  PortData.ShexOption = position;
  PortData.ShexStartDay = ShexWeekday(preset.FromDay);
  PortData.ShexStartTime = preset.FromTime;
  PortData.ShexEndDay = ShexWeekday(preset.UntilDay);
  PortData.ShexEndTime = preset.UntilTime;
}

void TPortItem::UpdateShexOption(const std::vector<TShexRec>& presets) {
  PortData.ShexOption = FindShexPreset(presets, PortData);
}

} // namespace laytime
