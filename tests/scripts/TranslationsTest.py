#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
#
# The software-centre listing names every language Ko-Vaq speaks with how much of it is
# translated, as the .ts files say; no file keeps an entry whose text has left the sources.
import os
import sys
import xml.etree.ElementTree as ET

translations, metainfo = sys.argv[1], sys.argv[2]
listed = {lang.text: int(lang.get("percentage", "100"))
          for lang in ET.parse(metainfo).getroot().iter("lang")}
failures = []
for name in sorted(os.listdir(translations)):
    if not (name.startswith("ko-vaq_") and name.endswith(".ts")) or name == "ko-vaq_en.ts":
        continue
    code = name[len("ko-vaq_"):-len(".ts")]
    messages = list(ET.parse(os.path.join(translations, name)).getroot().iter("message"))
    kinds = [m.find("translation").get("type") for m in messages]
    gone = sum(k in ("vanished", "obsolete") for k in kinds)
    if gone:
        failures.append(f"{name}: {gone} entries whose text is no longer in the sources")
    done = sum(k is None for k in kinds)
    share = 100 * done // max(len(messages), 1)
    if listed.get(code) != share:
        failures.append(f"{os.path.basename(metainfo)}: {code} is {share} % translated, "
                        f"listed as {listed.get(code)}")
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
