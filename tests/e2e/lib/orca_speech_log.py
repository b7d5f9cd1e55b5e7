# A speech server for Orca that writes what Orca says, one utterance a line, to the file named by
# ORCA_SPEECH_LOG, instead of handing it to a synthesizer: the test reads what a user would hear
# without an audio device or a speech daemon. Utterances queue whatever their interrupt flag says,
# as Orca's speech-dispatcher server lets them; a line "--" marks where Orca stops speech, and a
# synthesizer would fall silent.
import os

from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Speech log"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        pass

    def __init__(self):
        super().__init__()
        self._log = open(os.environ["ORCA_SPEECH_LOG"], "a", buffering=1, encoding="utf-8")

    def getInfo(self):
        return ["Speech log", "speech-log"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            self._log.write(" ".join(text.split()) + "\n")

    def speakCharacter(self, character, acss=None):
        self.speak(character)

    def speakKeyEvent(self, event, acss=None):
        self.speak(event.getKeyName())

    def stop(self):
        self._log.write("--\n")
