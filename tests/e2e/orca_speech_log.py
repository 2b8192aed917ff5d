"""Runs the installed Orca, unchanged, in a test's private session, and writes
every utterance it speaks to a file the moment it speaks it, one JSON string
a line. Run by the Python that Orca's own script names, as

    python3 orca_speech_log.py ORCA_SCRIPT SPEECH_FILE PREFS_DIR

Orca's debug file would say the same, but Orca never flushes it, so a test
could not wait on it. Orca also logs each utterance to its "speech" logger,
and a file handler flushes each record as it is written.

Speech goes to a synthesizer that says nothing: a speech-dispatcher would be
one more daemon to start, find and end, and on a busy machine one more thing
that answers late. What Orca says is decided before it reaches one."""
import json
import logging
import runpy
import sys
import types

orca_script, speech_file, prefs_dir = sys.argv[1:4]


class SpokenLines(logging.Formatter):
    def format(self, record):
        return json.dumps(record.getMessage())  # an utterance may hold line breaks


handler = logging.FileHandler(speech_file, encoding="utf-8")
handler.setFormatter(SpokenLines())
logging.getLogger("speech").addHandler(handler)


def silent_synthesizer():
    from orca import speechserver

    class SilentServer(speechserver.SpeechServer):
        @staticmethod
        def getFactoryName():
            return "silent"

        @staticmethod
        def getSpeechServers():
            return [SilentServer.instance]

        @staticmethod
        def getSpeechServer(info=None):
            return SilentServer.instance

        def getInfo(self):
            return ["silent", "silent"]

    SilentServer.instance = SilentServer()
    module = types.ModuleType("tumbaro_silent_speech")
    module.SpeechServer = SilentServer
    return module


sys.modules["tumbaro_silent_speech"] = silent_synthesizer()
from orca import settings  # noqa: E402  (once the synthesizer is there to be named)

settings.speechServerFactory = "tumbaro_silent_speech"
settings.speechFactoryModules = ["tumbaro_silent_speech"]

main = runpy.run_path(orca_script, run_name="orca_under_test")["main"]
# Orca refuses to start while any other Orca of this user runs, and its
# --replace kills them all: neither may reach past this session. Its
# process name stays the interpreter's, so no other Orca's --replace
# finds this one either.
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda name: False
sys.argv = [orca_script, "--user-prefs", prefs_dir]
sys.exit(main())
