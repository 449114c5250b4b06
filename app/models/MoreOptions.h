// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class ExtraSettings;

// The options of the Options dialog's "More..." page. They are the program's own, kept in its
// settings store and never in the profile, whose format is fixed; each defaults to the drills'
// original behaviour.
struct MoreOptions {
  static constexpr const char* kForgiveKey = "grading.forgive-wrong-kind-or-script";

  // A reading of the wrong kind or in the wrong script is refused free of charge instead of
  // counting as a wrong answer.
  bool forgiveOtherKind = false;

  static MoreOptions Load(const ExtraSettings& settings);
  // Into settings, in memory; the caller saves the store.
  void Store(ExtraSettings& settings) const;
};
