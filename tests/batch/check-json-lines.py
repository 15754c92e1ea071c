#!/usr/bin/env python3
"""Runs brewick-batch for COUNT inns as JSON and as text from one seed, and
checks every JSON line against the schema and against the text of the same
inn: room numbers are integers, the menu is its three groups, and each patron's
words are the ones its line in the text is made of.

Usage: check-json-lines.py BREWICK_BATCH SCHEMA [SEED] [COUNT]
"""
import json
import subprocess
import sys

import jsonschema


def batch(program, seed, count, format):
    run = subprocess.run([program, "--seed", seed, "--count", count, "--format", format],
                         capture_output=True, check=True)
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
        block = [table["heading"], *(patron["text"] for patron in patrons),
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
    program, schema_path = sys.argv[1:3]
    seed = sys.argv[3] if len(sys.argv) > 3 else "60"
    count = sys.argv[4] if len(sys.argv) > 4 else "60"
    with open(schema_path, encoding="utf-8") as file:
        schema = json.load(file)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)

    json_lines = batch(program, seed, count, "json").splitlines()
    inns_as_text = text_inns(batch(program, seed, count, "text"))
    problems = []
    if len(json_lines) != int(count) or len(inns_as_text) != int(count):
        problems.append(f"{len(json_lines)} JSON lines and {len(inns_as_text)} text inns, not {count}")
    seen = {"woman": 0, "man": 0, "empty tables": 0}
    for number, (line, lines) in enumerate(zip(json_lines, inns_as_text), 1):
        inn = json.loads(line)
        errors = [f"inn {number}: {error.json_path}: {error.message}" for error in validator.iter_errors(inn)]
        problems += errors
        if errors:
            continue
        check_inn(number, inn, lines, problems)
        for table in inn["tables"]:
            seen["empty tables"] += not table["patrons"]
            for patron in table["patrons"]:
                seen[patron["gender"]] += 1
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
