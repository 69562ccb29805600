#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
#
# What Ko-Vaq writes as JSON is what its published schema says: every recipe of the test
# data, and recipes made from pasted text, through kovaq-calc --to-json.
import json
import os
import subprocess
import sys
import tempfile

import jsonschema

calc, schema_path, data = sys.argv[1], sys.argv[2], sys.argv[3]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

recipes = [os.path.join(data, name) for name in sorted(os.listdir(data)) if name.endswith(".mix")]
with tempfile.TemporaryDirectory() as tmp:
    for i, text in enumerate([
        "Cherry \u2014 30 ml, 12 mg, 70/30 PG/VG\nCherry (FA) 2,5%\nNotes: shake\nwell\n",
        "60 ml | 3 mg | 70VG/30PG\nVanilla \"Bean\" (CAP) 3%\nVodka/Water 5%\n",
    ]):
        made = os.path.join(tmp, f"pasted{i}.mix")
        subprocess.run([calc, "--from-text", "-", made], input=text.encode(), check=True,
                       stderr=subprocess.DEVNULL)
        recipes.append(made)
    failures = 0
    for path in recipes:
        out = subprocess.run([calc, "--to-json", path], capture_output=True, check=True).stdout
        document = json.loads(out)
        errors = sorted(validator.iter_errors(document), key=lambda e: list(e.path))
        for e in errors:
            print(f"{path}: {'/'.join(map(str, e.path))}: {e.message}")
        failures += len(errors)
        # Every key the recipe has, the schema names: nothing written goes undescribed.
        unknown = set(document["recipe"]) - set(schema["properties"]["recipe"]["properties"])
        if unknown:
            print(f"{path}: keys the schema does not describe: {sorted(unknown)}")
            failures += 1
print(f"{len(recipes)} recipes checked, {failures} problems")
sys.exit(1 if failures else 0)
