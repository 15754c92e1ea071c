#!/usr/bin/env python3
"""Runs brewick-batch for COUNT inns as JSON and as text from one seed, and
checks every JSON line against the schema and against the text of the same
inn: room numbers are integers, the menu is its three groups, and each patron's
words are the ones its line in the text is made of; each players' card passes
the schema as the inn's line up to its menu. With --flesh-out, every
patron has details, their first names tell the races apart, a second run gives
the same bytes, and the inns are those of the run without it but for the details;
no two patrons of a table share a trait or a rumour, nor two of an inn a name.

Usage: check-json-lines.py BREWICK_BATCH SCHEMA [SEED] [COUNT] [--flesh-out]
"""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema


DETAILS = ("name", "trait", "rumour")


def private_home(home):
    """The environment of a program run with a home and XDG folders of its own."""
    folders = {"XDG_CONFIG_HOME": ".config", "XDG_DATA_HOME": ".local/share", "XDG_STATE_HOME": ".local/state",
               "XDG_CACHE_HOME": ".cache"}
    return {**os.environ, "HOME": home, **{name: os.path.join(home, folder) for name, folder in folders.items()}}


def batch(program, seed, count, format, *options):
    with tempfile.TemporaryDirectory() as home:
        run = subprocess.run([program, "--seed", seed, "--count", count, "--format", format, *options],
                             capture_output=True, check=True, env=private_home(home))
    return run.stdout.decode("utf-8")


def text_inns(text):
    """The text output cut into its inns: each starts with the banner line."""
    banner = text.split("\r\n", 1)[0]
    return [(banner + part).split("\r\n") for part in text.split(banner)[1:]]


def patron_lines(patron):
    """The lines the patron's words can make: the age's article is left out."""
    age = patron["age"]
    pronoun = "She" if patron["gender"] == "woman" else "He"
    rest = (f"{patron['race']} {patron['occupation']} wearing {patron['clothes']}. "
            f"{pronoun} has {patron['hair']} and {patron['face']} face.")
    return {f"A {rest}"} if not age else {f"A {age} {rest}", f"An {age} {rest}"}


def patron_block(patron):
    """The patron's line, and the details line of one fleshed out."""
    details = f"    {patron.get('name')} {patron.get('trait')}. Rumour: {patron.get('rumour')}"
    return [patron["text"], details] if "name" in patron else [patron["text"]]


def check_fleshed_out(inns, plain_inns, problems):
    first_names = {}
    for number, (inn, plain) in enumerate(zip(inns, plain_inns), 1):
        names = [patron.get("name") for table in inn["tables"] for patron in table["patrons"]]
        if len(set(names)) != len(names):
            problems.append(f"inn {number}: two patrons share a name")
        for table in inn["tables"]:
            for detail in ("trait", "rumour"):
                given = [patron.get(detail) for patron in table["patrons"]]
                if len(set(given)) != len(given):
                    problems.append(f"inn {number}, table {table['number']}: two patrons share a {detail}")
            for patron in table["patrons"]:
                if not all(patron.get(detail) for detail in DETAILS):
                    problems.append(f"inn {number}: {patron} lacks a detail")
                first_names.setdefault(patron["race"], set()).add(patron.get("name", "").split(" ")[0])
                for detail in DETAILS:
                    patron.pop(detail, None)
        if inn != plain:
            problems.append(f"inn {number} is not the inn of the run without --flesh-out")
    if first_names.get("dwarven", set()) & first_names.get("elven", set()):
        problems.append("dwarves and elves share a first name")


def check_inn(number, inn, lines, problems):
    def problem(message):
        problems.append(f"inn {number}: {message}")

    if inn["inn"] != number:
        problem(f"numbered {inn['inn']}")
    for kind, room in inn["rooms"].items():
        for key, value in room.items():
            if not isinstance(value, int):
                problem(f"rooms.{kind}.{key} is {value!r}, not an integer")
    menu = inn["menu"]
    if set(menu) != {"mainCourses", "puddings", "drinks"}:
        problem(f"menu groups {sorted(menu)}")
    if not menu["drinks"][:2] == ["Mead", "Grog"]:
        problem(f"drinks {menu['drinks']}")
    menu_start = lines.index("Today's Menu")
    items = [line.strip() for line in lines[menu_start + 1:] if line.strip()]
    if items != ["Main Courses", *menu["mainCourses"], "Puddings", *menu["puddings"], "Drinks", *menu["drinks"]]:
        problem(f"menu {menu} is not the text's {items}")
    if len(inn["tables"]) != inn["tableCount"]:
        problem(f"{len(inn['tables'])} tables of {inn['tableCount']}")
    at = lines.index(f"There are {inn['tableCount']} tables in the main taproom.")
    for table_number, table in enumerate(inn["tables"], 1):
        patrons = table["patrons"]
        block = [table["heading"], *(line for patron in patrons for line in patron_block(patron)),
                 table["action"] if patrons else "No one is sitting here", " "]
        if table["number"] != table_number or (table["action"] is None) != (not patrons):
            problem(f"table {table_number}: {table}")
        found = lines.index(table["heading"], at)
        if lines[found:found + len(block)] != block:
            problem(f"table {table_number} is not in the text as {block}")
        at = found + len(block)
        for patron in patrons:
            if patron["text"] not in patron_lines(patron):
                problem(f"table {table_number}: the words of {patron} do not make its line")


def main():
    options = [argument for argument in sys.argv[1:] if argument == "--flesh-out"]
    program, schema_path, seed, count = ([argument for argument in sys.argv[1:] if argument not in options] +
                                         ["60", "60"])[:4]
    with open(schema_path, encoding="utf-8") as file:
        schema = json.load(file)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)

    json_lines = batch(program, seed, count, "json", *options).splitlines()
    inns_as_text = text_inns(batch(program, seed, count, "text", *options))
    problems = []
    if len(json_lines) != int(count) or len(inns_as_text) != int(count):
        problems.append(f"{len(json_lines)} JSON lines and {len(inns_as_text)} text inns, not {count}")
    cards = batch(program, seed, count, "json", "--players", *options).splitlines()
    seen = {"woman": 0, "man": 0, "empty tables": 0}
    for number, (line, lines, card) in enumerate(zip(json_lines, inns_as_text, cards), 1):
        inn = json.loads(line)
        card = json.loads(card)
        errors = [f"inn {number}: {error.json_path}: {error.message}" for error in validator.iter_errors(inn)]
        errors += [f"card {number}: {error.json_path}: {error.message}" for error in validator.iter_errors(card)]
        problems += errors
        if errors:
            continue
        # The players' card is the inn up to its menu; a sheet short of its tables is neither.
        if card != {key: inn[key] for key in list(inn)[:list(inn).index("menu") + 1]}:
            problems.append(f"card {number} is not inn {number} up to its menu: {card}")
        if validator.is_valid({key: value for key, value in inn.items() if key != "tables"}):
            problems.append(f"inn {number} without its tables passes the schema")
        check_inn(number, inn, lines, problems)
        for table in inn["tables"]:
            seen["empty tables"] += not table["patrons"]
            for patron in table["patrons"]:
                seen[patron["gender"]] += 1
    if options:
        if batch(program, seed, count, "json", *options).splitlines() != json_lines:
            problems.append("a second run gives other inns")
        plain_inns = [json.loads(line) for line in batch(program, seed, count, "json").splitlines()]
        check_fleshed_out([json.loads(line) for line in json_lines], plain_inns, problems)
    # A run this long meets every kind of table and patron.
    problems += [f"no {kind} in {count} inns" for kind, n in seen.items() if n == 0]
    for problem in problems[:20]:
        print(problem, file=sys.stderr)
    if problems:
        print(f"FAIL: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print(f"PASS: {count} inns valid against the schema and equal to their text; {seen}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
