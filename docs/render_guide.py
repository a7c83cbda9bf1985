#!/usr/bin/env python3
"""Renders the guide, written in Markdown, to one HTML page that needs nothing but its pictures.

A line "{{file NAME}}" shows the example file NAME as it is, numbered line by line, every space and
blank line kept, so the guide can never show a file other than the one installed beside it.
"""
import argparse
import html
import pathlib
import re

import markdown

PAGE = """<!DOCTYPE html>
<html lang="zh-Hant-TW">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
body {{ font-family: "Liberation Sans", Arial, "Noto Sans CJK TC", "Microsoft JhengHei", "AR PL UMing TW", sans-serif;
       line-height: 1.75; color: #222; max-width: 64em; margin: 0 auto; padding: 1em 1.5em 4em; }}
h1 {{ color: #174a7c; }}
h2 {{ color: #174a7c; border-bottom: 3px solid #8bc6a7; padding-bottom: .2em; margin-top: 2.2em; }}
h3, h4 {{ margin-top: 1.6em; color: #174a7c; }}
img {{ max-width: 100%; height: auto; border: 1px solid #bbb; }}
table {{ border-collapse: collapse; margin: .8em 0; }}
th, td {{ border: 1px solid #bbb; padding: .3em .7em; vertical-align: top; text-align: left; }}
th {{ background: #eef4ea; }}
code, pre {{ font-family: "DejaVu Sans Mono", "Liberation Mono", monospace; }}
code {{ background: #f3f3f3; padding: 0 .2em; }}
pre {{ background: #f3f3f3; padding: .6em .8em; overflow-x: auto; }}
pre.file {{ background: #fffbe6; border: 1px solid #d8c98a; }}
pre.file .n {{ display: inline-block; width: 2em; color: #a08c50; user-select: none; }}
.messages td:first-child {{ width: 38%; }}
.toc ul {{ list-style: none; padding-left: 1.2em; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("guide", type=pathlib.Path)
    parser.add_argument("examples", type=pathlib.Path, help="folder of the example files")
    parser.add_argument("output", type=pathlib.Path)
    args = parser.parse_args()

    def file_block(match):
        lines = (args.examples / match.group(1)).read_text(encoding="utf-8").rstrip("\n").split("\n")
        numbered = (f'<span class="n">{n}</span>{html.escape(line)}' for n, line in enumerate(lines, 1))
        return '<pre class="file">' + "\n".join(numbered) + "</pre>"

    text = args.guide.read_text(encoding="utf-8")
    text = re.sub(r"^\{\{file (\S+)\}\}$", file_block, text, flags=re.MULTILINE)
    title = re.search(r"^# (.+?)(\s*\{.*\})?$", text, flags=re.MULTILINE).group(1)
    body = markdown.markdown(
        text,
        extensions=["tables", "fenced_code", "attr_list", "md_in_html", "toc"],
        extension_configs={"toc": {"toc_depth": "2-3", "title": "目錄"}},
        output_format="html",
    )
    # A line break inside a Chinese sentence would show as a space: the lines of a paragraph are
    # joined where both sides are Chinese (CJK characters and full-width punctuation), outside <pre>.
    cjk = "\u3000-\u303f\u3400-\u9fff\uff00-\uffef"
    parts = re.split(r"(<pre\b.*?</pre>)", body, flags=re.DOTALL)
    body = "".join(part if part.startswith("<pre") else re.sub(f"(?<=[{cjk}])\n[ \t]*(?=[{cjk}])", "", part)
                   for part in parts)
    args.output.parent.mkdir(parents=True, exist_ok=True)
    args.output.write_text(PAGE.format(title=html.escape(title), body=body), encoding="utf-8")


if __name__ == "__main__":
    main()
