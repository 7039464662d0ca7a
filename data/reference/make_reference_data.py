#!/usr/bin/env python3
"""Writes the JavaScript reference data files from the article tables.

Usage: make_reference_data.py [DATA_DIR]   (default: the data/ directory above this one)

list.jsd holds one topic per line; details.jsd holds articles 1 to 158 and details2.jsd the
rest, each between "#startNN" and "#endNN" lines (numbers below 10 with a leading zero).
Every article is its topic, a short text and a line "Example:" followed by code that runs as it
stands; a test runs each example in the embedded browser.
"""
import os
import sys
import textwrap

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import articles_a  # noqa: E402
import articles_b  # noqa: E402
import articles_c  # noqa: E402

FIRST_FILE_ARTICLES = 158
BREAK = "\r\n"


def marker(kind, number):
    return "#%s%02d" % (kind, number) if number < 10 else "#%s%d" % (kind, number)


def article(number, topic, text, example):
    assert "</script" not in example.lower(), topic
    assert "#start" not in text + example and "#end" not in text + example, topic
    lines = [marker("start", number), topic, ""]
    lines += textwrap.wrap(text, 78)
    lines += ["", "Example:"] + example.split("\n")
    lines.append(marker("end", number))
    return BREAK.join(lines) + BREAK


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..")
    articles = articles_a.ARTICLES + articles_b.ARTICLES + articles_c.ARTICLES
    assert len(articles) == 237, len(articles)
    topics = [a[0] for a in articles]
    first = [article(n, *a) for n, a in enumerate(articles[:FIRST_FILE_ARTICLES], 1)]
    second = [article(n, *a) for n, a in enumerate(articles[FIRST_FILE_ARTICLES:], FIRST_FILE_ARTICLES + 1)]
    files = {
        "list.jsd": BREAK.join(topics) + BREAK,
        "details.jsd": "JavaScript reference, articles 1 to %d" % FIRST_FILE_ARTICLES + BREAK + "".join(first),
        "details2.jsd": "JavaScript reference, articles %d to %d" % (FIRST_FILE_ARTICLES + 1, len(articles))
        + BREAK + "".join(second),
    }
    for name, content in files.items():
        with open(os.path.join(out, name), "w", encoding="utf-8", newline="") as f:
            f.write(content)


if __name__ == "__main__":
    main()
