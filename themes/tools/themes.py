"""What each sample theme holds: its theme file keys, pictures, sounds and page colours.

Ocean fills every one of the 48 keys. Autumn and Aqua are ordinary full themes (Aqua's
description is written in double quotes, which the reader strips). Blue is the theme of the
option words: "None" for the file-explorer toolbar picture, the small still throbber and the
Windows Update caption, "No" for the throbber in browser windows, stylesheet use switched off,
and several keys simply left out.
"""

import artwork
import pages
import sounds as snd

# The keys of a theme file, in the order the program reads them.
KEY_ORDER = [
    "BackBitmap", "WESkin", "ThemeTitle", "Author", "Email", "Copyright", "WebSite",
    "Description", "AniLarge", "BrandLarge", "AniSmall", "BrandSmall", "Title", "HomePage",
    "LocalPage", "SearchBar", "SearchPage", "SearchURL", "SearchAssistant", "CustomizeSearch",
    "DiscussionPage", "TipsPage", "WebThumper", "ExplorerThumper", "ShellThumper",
    "TheaterThumper", "OpenIExplore", "OpenExplorer", "Activate", "New_Mail", "Navigate",
    "NewAlert", "ContactOnline", "MSMessenger", "NewMessage", "MSMBuzzSound", "MSMNewSMS",
    "StyleType", "StyleFile", "StyleBkground", "StyleAdvert", "StyleLogo", "StyleThumper",
    "IgnoreColors", "IgnoreFontStyles", "IgnoreFontSizes", "OnlineHelpURL", "WUCaption",
]

DIR = "%InstallDir%\\"


def ordered(values):
    unknown = set(values) - set(KEY_ORDER)
    assert not unknown, unknown
    for key, value in values.items():
        assert len(value) <= 254, key
    return [(k, values[k]) for k in KEY_ORDER if k in values]


def common(name, slug, author, email, title, description, wu_caption):
    """The keys every full sample theme shares."""
    site = "http://www.example.com/themes/%s/" % slug
    return {
        "BackBitmap": DIR + "toolbar.bmp",
        "WESkin": DIR + "explorer.bmp",
        "ThemeTitle": name,
        "Author": author,
        "Email": email,
        "Copyright": "Copyright (c) 2024 %s. Free to use and share." % author,
        "WebSite": site,
        "Description": description,
        "AniLarge": DIR + "anilarge.bmp",
        "BrandLarge": DIR + "large.bmp",
        "AniSmall": DIR + "anismall.bmp",
        "BrandSmall": DIR + "small.bmp",
        "Title": title,
        "HomePage": DIR + "start.htm",
        "LocalPage": DIR + "start.htm",
        "SearchBar": "http://search.example.com/bar?theme=%s" % slug,
        "SearchPage": "http://search.example.com/?theme=%s" % slug,
        "SearchURL": "http://search.example.com/find?q=",
        "SearchAssistant": "http://search.example.com/assistant?theme=%s" % slug,
        "CustomizeSearch": "http://search.example.com/customize?theme=%s" % slug,
        "DiscussionPage": site + "discuss/",
        "TipsPage": DIR + "tips.htm",
        "StyleFile": DIR + slug + ".css",
        "IgnoreColors": "0",
        "IgnoreFontStyles": "0",
        "IgnoreFontSizes": "0",
        "OnlineHelpURL": site + "help/",
        "WUCaption": wu_caption,
    }


def finish(theme, texts, colours, scrollbars):
    """Adds the web files, made from the theme's own texts, and puts the keys in file order."""
    keys = theme["keys"]
    texts = dict(texts, title=keys["ThemeTitle"], author=keys["Author"], email=keys["Email"],
                 website=keys["WebSite"], copyright=keys["Copyright"],
                 description=keys["Description"].strip('"'))
    theme["css_name"] = theme["slug"] + ".css"
    theme["css"] = pages.css(theme["name"], scrollbars)
    theme["start_page"] = pages.start_page(texts, colours)
    theme["tips_page"] = pages.tips_page(texts, colours)
    theme["keys"] = ordered(keys)
    return theme


# ---------------------------------------------------------------------------------------------

def _ocean():
    def bloop(f0, f1, length):
        return snd.tone(f1, length, decay=14, start_freq=f0, partials=((1, 1), (2, 0.12)))

    keys = common("Ocean", "ocean", "Marina Salt", "marina@example.com", "Ocean Explorer",
                  "Calm blue water for your browser: a wave-washed toolbar, a porthole throbber "
                  "where the sea rolls by, bubbly sounds and a sea-breeze start page.",
                  "Ocean Updates")
    keys.update({
        "WebThumper": "Yes", "ExplorerThumper": "Yes", "ShellThumper": "Yes",
        "TheaterThumper": "Yes",
        "OpenIExplore": DIR + "splash.wav", "OpenExplorer": DIR + "swoosh.wav",
        "Activate": DIR + "activate.wav", "New_Mail": DIR + "mail.wav",
        "Navigate": DIR + "navigate.wav", "NewAlert": DIR + "sonar.wav",
        "ContactOnline": DIR + "online.wav", "MSMessenger": DIR + "mail.wav",
        "NewMessage": DIR + "message.wav", "MSMBuzzSound": DIR + "buzz.wav",
        "MSMNewSMS": DIR + "sms.wav",
        "StyleType": "1",
        "StyleBkground": DIR + "toolbar.bmp", "StyleAdvert": DIR + "tips.htm",
        "StyleLogo": DIR + "large.bmp", "StyleThumper": DIR + "anilarge.bmp",
    })
    theme = {
        "name": "Ocean", "slug": "ocean", "frames": 12, "keys": keys,
        "toolbar": artwork.ocean_toolbar, "explorer": artwork.ocean_explorer,
        "throbber": artwork.ocean_throbber,
        "sounds": {
            "splash.wav": snd.overlay(snd.noise(0.7, seed=1, cutoff=0.25, decay=5, swell=0.08),
                                      snd.at(0.05, bloop(500, 1100, 0.15))),
            "swoosh.wav": snd.noise(0.6, seed=2, cutoff=0.08, decay=6, swell=0.25),
            "navigate.wav": snd.tone(1500, 0.09, decay=35, start_freq=700),
            "activate.wav": bloop(450, 900, 0.14),
            "mail.wav": snd.seq(bloop(500, 1000, 0.12), bloop(650, 1300, 0.16)),
            "online.wav": snd.seq(bloop(400, 800, 0.1), bloop(500, 1000, 0.1),
                                  bloop(650, 1300, 0.16)),
            "sonar.wav": snd.tone(1180, 0.9, decay=4.5, partials=((1, 1), (2.01, 0.12)),
                                  vibrato=0.002),
            "message.wav": snd.overlay(snd.tone(880, 0.35, decay=9),
                                       snd.at(0.1, snd.tone(1320, 0.4, decay=8))),
            "buzz.wav": snd.tone(95, 0.45, decay=3, vibrato=0.06,
                                 partials=((1, 1), (2, 0.6), (3, 0.4), (5, 0.2))),
            "sms.wav": snd.seq(snd.tone(1500, 0.07, decay=35, start_freq=800), snd.silence(0.05),
                               snd.tone(1700, 0.08, decay=35, start_freq=900)),
        },
    }
    colours = {"page": "#F3FBFE", "text": "#12324A", "accent": "#8ED3EC", "dark": "#0B5F8F",
               "heading": "#0B3D6B", "panel": "#FFFFFF", "border": "#A8DDF0",
               "link": "#1673A8", "muted": "#5A7D93"}
    scrollbars = {"face": "#8ED3EC", "highlight": "#E8FBFF", "light": "#BDEBFA",
                  "shadow": "#1673A8", "dark": "#0B3D6B", "track": "#E3F6FC", "link": "#0B5F8F"}
    texts = {"tagline": "Let the tide carry you across the web.",
             "tip": "Hold Shift while you scroll with the wheel to go back and forward "
                    "through the pages you have visited, like waves rolling in and out."}
    return finish(theme, texts, colours, scrollbars)


def _autumn():
    def marimba(f, length=0.45):
        return snd.tone(f, length, decay=9, partials=((1, 1), (4, 0.3), (9.9, 0.06)))

    def wood(f):
        return snd.tone(f, 0.07, decay=55, partials=((1, 1), (2.7, 0.5)))

    keys = common("Autumn", "autumn", "Rowan Ashby", "rowan@example.com", "Autumn Browser",
                  "Crisp leaves in red, amber and gold: a cream toolbar strewn with fallen "
                  "leaves, a wreath of leaves that lights up while pages load, and warm "
                  "wooden chimes.", "Autumn Updates")
    keys.update({
        "WebThumper": "Yes", "ExplorerThumper": "Yes", "ShellThumper": "Yes",
        "OpenIExplore": DIR + "arpeggio.wav", "OpenExplorer": DIR + "knock.wav",
        "Activate": DIR + "activate.wav", "New_Mail": DIR + "mail.wav",
        "Navigate": DIR + "navigate.wav", "NewAlert": DIR + "rustle.wav",
        "ContactOnline": DIR + "online.wav", "MSMessenger": DIR + "mail.wav",
        "NewMessage": DIR + "mail.wav",
        "StyleType": "0",
    })
    theme = {
        "name": "Autumn", "slug": "autumn", "frames": 16, "keys": keys,
        "toolbar": artwork.autumn_toolbar, "explorer": artwork.autumn_explorer,
        "throbber": artwork.autumn_throbber,
        "sounds": {
            "arpeggio.wav": snd.overlay(marimba(523), snd.at(0.09, marimba(659)),
                                        snd.at(0.18, marimba(784, 0.55))),
            "knock.wav": snd.seq(wood(900), snd.silence(0.06), wood(1200)),
            "navigate.wav": wood(1250),
            "activate.wav": marimba(784, 0.3),
            "mail.wav": snd.overlay(marimba(784, 0.35), snd.at(0.14, marimba(1046, 0.45))),
            "online.wav": snd.overlay(marimba(659, 0.3), snd.at(0.12, marimba(784, 0.4))),
            "rustle.wav": snd.overlay(snd.noise(0.5, seed=3, cutoff=0.45, decay=7, swell=0.05),
                                      snd.at(0.02, marimba(1046, 0.3))),
        },
    }
    colours = {"page": "#FDF7EC", "text": "#3B2414", "accent": "#F0C98C", "dark": "#9A3D12",
               "heading": "#7A2A0C", "panel": "#FFFDF8", "border": "#E8C898",
               "link": "#B4541A", "muted": "#8A6B52"}
    scrollbars = {"face": "#F0C98C", "highlight": "#FFF6E4", "light": "#F8DFB4",
                  "shadow": "#B4541A", "dark": "#6B2E0E", "track": "#FBEBCB", "link": "#9A3D12"}
    texts = {"tagline": "Golden afternoons, one page at a time.",
             "tip": "Press F11 to see a page on the whole screen, with the toolbar tucked "
                    "away; press F11 again to come back."}
    return finish(theme, texts, colours, scrollbars)


def _aqua():
    def glass(f, length=0.6, decay=5.0):
        return snd.tone(f, length, decay=decay,
                        partials=((1, 1), (2.76, 0.35), (5.4, 0.15), (8.93, 0.06)))

    keys = common("Aqua", "aqua", "Kai Brook", "kai@example.com", "Aqua Web",
                  '"Cool glass and clear water: pinstriped gel toolbars, a glossy orb with a '
                  'droplet circling it, and bright glass chimes."', "Aqua Updates")
    keys.update({
        "WebThumper": "Yes", "ExplorerThumper": "Yes", "ShellThumper": "Yes",
        "TheaterThumper": "Yes",
        "OpenIExplore": DIR + "chord.wav", "OpenExplorer": DIR + "ripple.wav",
        "Activate": DIR + "activate.wav", "New_Mail": DIR + "mail.wav",
        "Navigate": DIR + "navigate.wav", "NewAlert": DIR + "alert.wav",
        "ContactOnline": DIR + "online.wav", "MSMessenger": DIR + "mail.wav",
        "NewMessage": DIR + "message.wav", "MSMNewSMS": DIR + "sms.wav",
        "StyleType": "1",
    })
    theme = {
        "name": "Aqua", "slug": "aqua", "frames": 16, "keys": keys,
        "toolbar": artwork.aqua_toolbar, "explorer": artwork.aqua_explorer,
        "throbber": artwork.aqua_throbber,
        "sounds": {
            "chord.wav": snd.overlay(glass(880), snd.at(0.07, glass(1108)),
                                     snd.at(0.14, glass(1318, 0.8))),
            "ripple.wav": snd.seq(glass(2637, 0.09, 20), glass(2217, 0.09, 20),
                                  glass(1760, 0.3, 12)),
            "navigate.wav": glass(2637, 0.07, 45),
            "activate.wav": glass(1760, 0.3, 9),
            "mail.wav": snd.overlay(glass(1318, 0.4), snd.at(0.13, glass(1760, 0.55))),
            "online.wav": snd.overlay(glass(1108, 0.35), snd.at(0.12, glass(1480, 0.5))),
            "alert.wav": snd.overlay(glass(1760, 0.2, 12), snd.at(0.12, glass(1760, 0.2, 12)),
                                     snd.at(0.24, glass(2093, 0.5))),
            "message.wav": snd.overlay(glass(1480, 0.3), snd.at(0.1, glass(1975, 0.45))),
            "sms.wav": snd.seq(glass(2349, 0.12, 25), glass(2349, 0.12, 25)),
        },
    }
    colours = {"page": "#F4FAFD", "text": "#0F2F44", "accent": "#CDEAF7", "dark": "#0B6FB3",
               "heading": "#064A80", "panel": "#FFFFFF", "border": "#B5DCEF",
               "link": "#1494D2", "muted": "#5F8196"}
    scrollbars = {"face": "#BCE5F6", "highlight": "#FFFFFF", "light": "#E9F7FD",
                  "shadow": "#1494D2", "dark": "#064A80", "track": "#EEF7FC", "link": "#0B6FB3"}
    texts = {"tagline": "Crystal clear, from the first page to the last.",
             "tip": "Type a word in the address bar and press Ctrl+Enter: the browser adds "
                    "www. in front and .com behind it for you."}
    return finish(theme, texts, colours, scrollbars)


def _blue():
    def soft(f, length, decay=7.0):
        return snd.tone(f, length, decay=decay, partials=((1, 1), (2, 0.15)))

    keys = {
        "BackBitmap": DIR + "toolbar.bmp",
        "WESkin": "None",
        "ThemeTitle": "Blue",
        "Author": "Indigo Lane",
        "Email": "indigo@example.com",
        "Copyright": "Copyright (c) 2024 Indigo Lane. Free to use and share.",
        "WebSite": "http://www.example.com/themes/blue/",
        "Description": "Quiet blues for a calm desktop: a satin-striped toolbar and the classic "
                       "ring of dots. Hides the throbber in browser windows and takes the "
                       "picture off the file explorer's toolbar.",
        "AniLarge": DIR + "anilarge.bmp",
        "BrandLarge": DIR + "large.bmp",
        "AniSmall": DIR + "anismall.bmp",
        "BrandSmall": "None",
        "Title": "Blue Browser",
        "HomePage": DIR + "start.htm",
        "LocalPage": DIR + "start.htm",
        "SearchPage": "http://search.example.com/?theme=blue",
        "SearchURL": "http://search.example.com/find?q=",
        "TipsPage": "http://www.example.com/themes/blue/tips.htm",
        "WebThumper": "No",
        "Navigate": DIR + "navigate.wav",
        "Activate": DIR + "activate.wav",
        "New_Mail": DIR + "mail.wav",
        "StyleType": "2",
        "StyleFile": DIR + "blue.css",
        "OnlineHelpURL": "http://www.example.com/themes/blue/help/",
        "WUCaption": "None",
    }
    theme = {
        "name": "Blue", "slug": "blue", "frames": 12, "keys": keys,
        "toolbar": artwork.blue_toolbar, "explorer": None, "small_still": False,
        "throbber": artwork.blue_throbber,
        "sounds": {
            "navigate.wav": soft(1000, 0.06, 50),
            "activate.wav": soft(660, 0.22, 12),
            "mail.wav": snd.overlay(soft(784, 0.35), snd.at(0.15, soft(1046, 0.45))),
        },
    }
    colours = {"page": "#F4F7FD", "text": "#17233F", "accent": "#A8C0EB", "dark": "#1F4AA8",
               "heading": "#0A2A78", "panel": "#FFFFFF", "border": "#BCCDEE",
               "link": "#2F5FC0", "muted": "#66759A"}
    scrollbars = {"face": "#AFC6EA", "highlight": "#FFFFFF", "light": "#DCE7F8",
                  "shadow": "#2F5FC0", "dark": "#0A2A78", "track": "#E1EAF9", "link": "#1F4AA8"}
    texts = {"tagline": "Clear skies and calm browsing.",
             "tip": "Drag the little icon in front of an address onto your desktop to keep a "
                    "shortcut to that page."}
    return finish(theme, texts, colours, scrollbars)


THEMES = [_ocean(), _autumn(), _aqua(), _blue()]
