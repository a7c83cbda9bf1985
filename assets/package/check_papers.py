#!/usr/bin/python3
"""Checks the package's papers: the copyright file is machine-readable (DEP-5), every licence it
names has its text, and the changelog's newest entry is the version being built.

Usage: check_papers.py COPYRIGHT CHANGELOG VERSION
"""
import subprocess
import sys

from debian.copyright import Copyright


def main(copyright_path, changelog_path, version):
    with open(copyright_path, encoding="utf-8") as f:
        papers = Copyright(f, strict=True)
    texts = {p.license.synopsis for p in papers.all_license_paragraphs()}
    problems = [f"{' '.join(p.files)}: no text for licence {p.license.synopsis}"
                for p in papers.all_files_paragraphs()
                if not p.license.text and p.license.synopsis not in texts]
    newest = subprocess.run(["dpkg-parsechangelog", "-l", changelog_path, "-S", "Version"],
                            check=True, capture_output=True, text=True).stdout.strip()
    if newest != version:
        problems.append(f"the changelog's newest entry is {newest}, the build is {version}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
