"""The web files of the sample themes: user stylesheet, start page and tips page.

Plain HTML 4 and CSS 1/2 that an old browser shows well; colours come from the theme. The
user stylesheet only colours scroll bars and links, so it never spoils the pages it applies to.
"""

from html import escape

CSS = """/* {name}: user stylesheet of the {name} theme. It only colours scroll bars and links. */
html, body {{
    scrollbar-face-color: {face};
    scrollbar-highlight-color: {highlight};
    scrollbar-3dlight-color: {light};
    scrollbar-shadow-color: {shadow};
    scrollbar-darkshadow-color: {dark};
    scrollbar-arrow-color: {dark};
    scrollbar-track-color: {track};
}}
a:hover {{ color: {link}; }}
"""

START = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>{title} - Start Page</title>
<style type="text/css">
body {{ margin: 0; background: {page}; color: {text};
       font: 10pt Tahoma, Verdana, Arial, sans-serif; }}
#band {{ background: {accent} url(toolbar.bmp); border-bottom: 3px solid {dark};
        padding: 18px 28px 16px; }}
#band img {{ float: left; margin: 2px 16px 0 0; }}
h1 {{ margin: 0; font: bold 22pt Georgia, "Times New Roman", serif; color: {heading}; }}
#band p {{ margin: 4px 0 0; color: {dark}; font-style: italic; }}
#main {{ padding: 20px 28px 4px; }}
.box {{ background: {panel}; border: 1px solid {border}; padding: 12px 16px;
       margin-bottom: 16px; }}
h2 {{ margin: 0 0 8px; font-size: 12pt; color: {dark}; }}
input.q {{ width: 60%; border: 1px solid {border}; padding: 3px; }}
input.go {{ background: {dark}; color: #ffffff; border: 0; padding: 4px 14px;
           font-weight: bold; }}
ul {{ margin: 0; padding-left: 18px; }}
li {{ margin: 3px 0; }}
a {{ color: {link}; }}
a:hover {{ color: {dark}; }}
#foot {{ padding: 4px 28px 20px; font-size: 8pt; color: {muted}; }}
</style>
</head>
<body>
<div id="band">
<img src="large.bmp" width="38" height="38" alt="">
<h1>{title}</h1>
<p>{tagline}</p>
</div>
<div id="main">
<div class="box">
<h2>Search the Web</h2>
<form action="http://search.example.com/find" method="get">
<input class="q" type="text" name="q"> <input class="go" type="submit" value="Search">
</form>
</div>
<div class="box">
<h2>Around the Web</h2>
<ul>
<li><a href="http://news.example.com/">News</a> - today's headlines</li>
<li><a href="http://weather.example.com/">Weather</a> - the forecast where you are</li>
<li><a href="http://mail.example.com/">Mail</a> - read your messages</li>
<li><a href="{website}">{title} on the web</a> - news of this theme and its friends</li>
</ul>
</div>
<div class="box">
<h2>About this theme</h2>
<p>{description}</p>
<p>Made by <a href="mailto:{email}">{author}</a>. <a href="tips.htm">A few tips</a>.</p>
</div>
</div>
<div id="foot">{copyright}</div>
</body>
</html>
"""

TIPS = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>{title} - Tips</title>
<style type="text/css">
body {{ margin: 0; padding: 10px 12px; background: {panel}; color: {text};
       font: 9pt Tahoma, Verdana, Arial, sans-serif; border-top: 3px solid {dark}; }}
h1 {{ margin: 0 0 6px; font-size: 10pt; color: {dark}; }}
p {{ margin: 0 0 6px; }}
</style>
</head>
<body>
<h1>Did you know?</h1>
<p>{tip}</p>
<p>Every area of the {title} theme can be switched off before it is applied: untick it in
Velmora's main window.</p>
</body>
</html>
"""


def css(name, colours):
    return CSS.format(name=name, **colours)


def start_page(texts, colours):
    values = {k: escape(v) for k, v in texts.items()}
    return START.format(**values, **colours)


def tips_page(texts, colours):
    values = {k: escape(v) for k, v in texts.items()}
    return TIPS.format(**values, **colours)
