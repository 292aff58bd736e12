// The one open calculation: voyage, status, template settings, ports and pro-rata partners.
#pragma once

#include "core/Settings.h"
#include "core/VoyageRecords.h"
#include "model/TPortCollection.h"
#include "model/TPortInfoCollection.h"
#include "model/TProRataCollection.h"

namespace laytime {

/// Created once and cleared and refilled, never replaced: the collections hold references back
/// to it, so it is neither copyable nor movable. Every part of the program receives it
/// explicitly.
class TCalculation {
public:
  explicit TCalculation(const TProgramSettings& programSettings);
  TCalculation(const TCalculation&) = delete;
  TCalculation& operator=(const TCalculation&) = delete;
  TCalculation(TCalculation&&) = delete;
  TCalculation& operator=(TCalculation&&) = delete;
  ~TCalculation();

  const TProgramSettings& ProgramSettings() const { return FProgramSettings; }

  /// A new calculation from the current template settings: voyage and status cleared, one
  /// empty port, no pro-rata partners. The template settings and default informative entries
  /// stay as they are.
  void Clear();

  /// After a template was loaded: the default informative entries become a copy of the entries
  /// of the template's first port, or none when the template holds no port.
  void SetDefaultInfoEntriesFrom(const TPortCollection& templatePorts);

private:
  const TProgramSettings& FProgramSettings;

public:
  TVoyageRec Voyage;
  TStatusRec Status;
  TTemplateSettings TemplateSettings;
  /// The entries a new port starts with: those of the first port of the template last loaded.
  TPortInfoCollection DefaultInfoEntries;
  TPortCollection Ports{*this};
  TProRataCollection ProRata{*this};
};

} // namespace laytime
