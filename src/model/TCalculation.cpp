#include "model/TCalculation.h"

#include "core/VoyageRules.h"

namespace laytime {

TCalculation::TCalculation(const TProgramSettings& programSettings)
    : FProgramSettings(programSettings) {
  ClearVoyage(Voyage, TemplateSettings);
  ClearStatus(Status);
}

TCalculation::~TCalculation() = default;

void TCalculation::Clear() {
  ClearVoyage(Voyage, TemplateSettings);
  ClearStatus(Status);
  ProRata.Clear();
  Ports.Clear();
  Ports.Add();
}

void TCalculation::SetDefaultInfoEntriesFrom(const TPortCollection& templatePorts) {
  DefaultInfoEntries.Clear();
  if (templatePorts.Count() > 0)
    DefaultInfoEntries.Assign(templatePorts.GetItem(0).PortInfoCollection);
}

} // namespace laytime
