#!/usr/bin/env python3
"""Builds the default settings database from its SQL script.

usage: make_database.py SCRIPT.sql OUTPUT.db
"""
import os
import sqlite3
import sys

script, output = sys.argv[1], sys.argv[2]
if os.path.exists(output):
    os.remove(output)
with open(script, encoding="utf-8") as f, sqlite3.connect(output) as db:
    db.executescript(f.read())
