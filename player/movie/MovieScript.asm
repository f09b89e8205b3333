; The player movie's script, run once when its single frame is shown.
; It plays one address by progressive download through a NetStream shown in
; the video "MyVideo", takes the host's commands through four watched
; variables (flvurl, playkz, playvolume, playkj) and answers the host's
; queries through seven external-interface functions.
; Notation: see ActionAssembler.h. Each part starts with the ActionScript it
; stands for.

; var filename, playkzzt, scplayzt, bufferLoads, total_time, totalZSJ,
;     qplaysj, totalplaysj, t1, t2, t3, loaded, total, nc, ns, vidsound,
;     retryTimer;
push "filename"
defineLocal2
push "playkzzt"
defineLocal2
push "scplayzt"
defineLocal2
push "bufferLoads"
defineLocal2
push "total_time"
defineLocal2
push "totalZSJ"
defineLocal2
push "qplaysj"
defineLocal2
push "totalplaysj"
defineLocal2
push "t1"
defineLocal2
push "t2"
defineLocal2
push "t3"
defineLocal2
push "loaded"
defineLocal2
push "total"
defineLocal2
push "nc"
defineLocal2
push "ns"
defineLocal2
push "vidsound"
defineLocal2
push "retryTimer"
defineLocal2

; function ksplay(url) {
;   clearInterval(retryTimer); filename = url; ns.play(filename); playkzzt = "1";
; }
function2 ksplay (r:1 url) registers 2 suppressThis suppressArguments suppressSuper {
  push "retryTimer"
  getVariable
  push 1, "clearInterval"
  callFunction
  pop
  push "filename", r:1
  setVariable
  push "filename"
  getVariable
  push 1, "ns"
  getVariable
  push "play"
  callMethod
  pop
  push "playkzzt", "1"
  setVariable
}

; function replay() {
;   clearInterval(retryTimer); ns.play(filename + "?start=" + t3);
; }
function2 replay () registers 1 suppressThis suppressArguments suppressSuper {
  push "retryTimer"
  getVariable
  push 1, "clearInterval"
  callFunction
  pop
  push "filename"
  getVariable
  push "?start="
  add2
  push "t3"
  getVariable
  add2
  push 1, "ns"
  getVariable
  push "play"
  callMethod
  pop
}

; function playurl(v) { ksplay(v); }
function2 playurl (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {
  push r:1, 1, "ksplay"
  callFunction
  pop
}

; function playkz(v) {
;   if (v == "play") {
;     if (playkzzt == "1") { playkzzt = "2"; ns.pause(true); }
;     else if (playkzzt == "2") { playkzzt = "1"; ns.pause(false); }
;     else if (playkzzt == "0") { ksplay(filename); }
;   } else { clearInterval(retryTimer); playkzzt = "0"; ns.close(); }
; }
function2 playkz (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {
  push r:1, "play"
  equals2
  not
  if stop
  push "playkzzt"
  getVariable
  push "1"
  equals2
  not
  if notPlaying
  push "playkzzt", "2"
  setVariable
  push true, 1, "ns"
  getVariable
  push "pause"
  callMethod
  pop
  jump done
notPlaying:
  push "playkzzt"
  getVariable
  push "2"
  equals2
  not
  if notPaused
  push "playkzzt", "1"
  setVariable
  push false, 1, "ns"
  getVariable
  push "pause"
  callMethod
  pop
  jump done
notPaused:
  push "playkzzt"
  getVariable
  push "0"
  equals2
  not
  if done
  push "filename"
  getVariable
  push 1, "ksplay"
  callFunction
  pop
  jump done
stop:
  push "retryTimer"
  getVariable
  push 1, "clearInterval"
  callFunction
  pop
  push "playkzzt", "0"
  setVariable
  push 0, "ns"
  getVariable
  push "close"
  callMethod
  pop
done:
}

; function playvolume(v) { vidsound.setVolume(v); }
function2 playvolume (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {
  push r:1, 1, "vidsound"
  getVariable
  push "setVolume"
  callMethod
  pop
}

; function playkj(v) { ns.seek(v); }
function2 playkj (r:1 v) registers 2 suppressThis suppressArguments suppressSuper {
  push r:1, 1, "ns"
  getVariable
  push "seek"
  callMethod
  pop
}

; Two digits for a time part: "0" before values below 10; others (and NaN)
; in plain decimal.
; function twoDigits(n) { if (n < 10) return "0" + n; return "" + n; }
function2 twoDigits (r:1 n) registers 2 suppressThis suppressArguments suppressSuper {
  push r:1, 10
  less2
  not
  if plain
  push "0", r:1
  add2
  return
plain:
  push "", r:1
  add2
  return
}

; function qnowtext() {
;   _root.onEnterFrame = function () {
;     t3 = ns.time;
;     t1 = twoDigits(Math.floor(t3 % 60));
;     t2 = twoDigits(Math.floor(t3 / 60));
;     qplaysj = t2 + ":" + t1;
;     if (totalZSJ == "NaN:NaN" || totalZSJ == undefined) totalplaysj = qplaysj + "/00:00";
;     else totalplaysj = qplaysj + "/" + totalZSJ;
;   };
; }
function2 qnowtext () registers 1 suppressThis suppressArguments suppressSuper {
  push "_root"
  getVariable
  push "onEnterFrame"
  function2 () registers 1 suppressThis suppressArguments suppressSuper {
    push "t3", "ns"
    getVariable
    push "time"
    getMember
    setVariable
    push "t1", "t3"
    getVariable
    push 60
    modulo
    push 1, "Math"
    getVariable
    push "floor"
    callMethod
    push 1, "twoDigits"
    callFunction
    setVariable
    push "t2", "t3"
    getVariable
    push 60
    divide
    push 1, "Math"
    getVariable
    push "floor"
    callMethod
    push 1, "twoDigits"
    callFunction
    setVariable
    push "qplaysj", "t2"
    getVariable
    push ":"
    add2
    push "t1"
    getVariable
    add2
    setVariable
    push "totalZSJ"
    getVariable
    push "NaN:NaN"
    equals2
    if noTotal
    push "totalZSJ"
    getVariable
    push undefined
    equals2
    if noTotal
    push "totalplaysj", "qplaysj"
    getVariable
    push "/"
    add2
    push "totalZSJ"
    getVariable
    add2
    setVariable
    jump done
  noTotal:
    push "totalplaysj", "qplaysj"
    getVariable
    push "/00:00"
    add2
    setVariable
  done:
  }
  setMember
}

; function bufferLoad() {
;   loaded = ns.bytesLoaded; total = ns.bytesTotal;
;   if (loaded == total && loaded > 1000) bufferLoads = 100;
;   else bufferLoads = int(loaded / total * 100);
; }
function2 bufferLoad () registers 1 suppressThis suppressArguments suppressSuper {
  push "loaded", "ns"
  getVariable
  push "bytesLoaded"
  getMember
  setVariable
  push "total", "ns"
  getVariable
  push "bytesTotal"
  getMember
  setVariable
  push "loaded"
  getVariable
  push "total"
  getVariable
  equals2
  not
  if share
  push "loaded"
  getVariable
  push 1000
  greater
  not
  if share
  push "bufferLoads", 100
  setVariable
  jump done
share:
  push "bufferLoads", "loaded"
  getVariable
  push "total"
  getVariable
  divide
  push 100
  multiply
  toInteger
  setVariable
done:
}

; nc = new NetConnection(); nc.connect(null);
push "nc", 0, "NetConnection"
newObject
setVariable
push null, 1, "nc"
getVariable
push "connect"
callMethod
pop

; ns = new NetStream(nc);
push "ns", "nc"
getVariable
push 1, "NetStream"
newObject
setVariable

; MyVideo.smoothing = true; MyVideo.attachVideo(ns);
push "MyVideo"
getVariable
push "smoothing", true
setMember
push "ns"
getVariable
push 1, "MyVideo"
getVariable
push "attachVideo"
callMethod
pop

; ns.setBufferTime(1);
push 1, 1, "ns"
getVariable
push "setBufferTime"
callMethod
pop

; vidsound = new Sound();
push "vidsound", 0, "Sound"
newObject
setVariable

; The root timeline stays in register 2 for the calls below.
push "this"
getVariable
storeRegister 2
pop

; this.addProperty("flvurl", function () {}, playurl);   and so on for
; playkz, playvolume and playkj: the host's writes call the setters.
push "playurl"
getVariable
function2 () registers 1 suppressThis suppressArguments suppressSuper {
}
push "flvurl", 3, r:2, "addProperty"
callMethod
pop
push "playkz"
getVariable
function2 () registers 1 suppressThis suppressArguments suppressSuper {
}
push "playkz", 3, r:2, "addProperty"
callMethod
pop
push "playvolume"
getVariable
function2 () registers 1 suppressThis suppressArguments suppressSuper {
}
push "playvolume", 3, r:2, "addProperty"
callMethod
pop
push "playkj"
getVariable
function2 () registers 1 suppressThis suppressArguments suppressSuper {
}
push "playkj", 3, r:2, "addProperty"
callMethod
pop

; ns.onMetaData = function (infor) {
;   total_time = Math.floor(infor.duration);
;   t2 = twoDigits(Math.floor(total_time / 60));
;   t1 = twoDigits(total_time % 60);
;   totalZSJ = t2 + ":" + t1;
; };
push "ns"
getVariable
push "onMetaData"
function2 (r:1 infor) registers 2 suppressThis suppressArguments suppressSuper {
  push "total_time", r:1, "duration"
  getMember
  push 1, "Math"
  getVariable
  push "floor"
  callMethod
  setVariable
  push "t2", "total_time"
  getVariable
  push 60
  divide
  push 1, "Math"
  getVariable
  push "floor"
  callMethod
  push 1, "twoDigits"
  callFunction
  setVariable
  push "t1", "total_time"
  getVariable
  push 60
  modulo
  push 1, "twoDigits"
  callFunction
  setVariable
  push "totalZSJ", "t2"
  getVariable
  push ":"
  add2
  push "t1"
  getVariable
  add2
  setVariable
}
setMember

; ns.onStatus = function (info) {
;   scplayzt = info.code;
;   switch (scplayzt) {
;     case "NetStream.Buffer.Empty": case "NetStream.Buffer.Full": playkzzt = "1"; break;
;     case "NetStream.Buffer.Flush": break;
;     case "NetStream.Play.Start": playkzzt = "1";   // and on as for Play.Stop
;     case "NetStream.Play.Stop": if (qplaysj == totalZSJ) playkzzt = "0"; break;
;     case "NetStream.Seek.Notify": break;
;     case "NetStream.Play.StreamNotFound":
;       // Ask again, but not before a second has passed: an unreachable
;       // server is not flooded with requests.
;       playkzzt = "4"; clearInterval(retryTimer); retryTimer = setInterval(replay, 1000); break;
;     case "NetStream.Seek.InvalidTime": replay(); break;
;   }
; };
push "ns"
getVariable
push "onStatus"
function2 (r:1 info) registers 3 suppressThis suppressArguments suppressSuper {
  push r:1, "code"
  getMember
  storeRegister 2
  pop
  push "scplayzt", r:2
  setVariable
  push r:2, "NetStream.Buffer.Empty"
  strictEquals
  if playing
  push r:2, "NetStream.Buffer.Full"
  strictEquals
  if playing
  push r:2, "NetStream.Buffer.Flush"
  strictEquals
  if done
  push r:2, "NetStream.Play.Start"
  strictEquals
  if started
  push r:2, "NetStream.Play.Stop"
  strictEquals
  if ended
  push r:2, "NetStream.Seek.Notify"
  strictEquals
  if done
  push r:2, "NetStream.Play.StreamNotFound"
  strictEquals
  if notFound
  push r:2, "NetStream.Seek.InvalidTime"
  strictEquals
  if invalidTime
  jump done
playing:
  push "playkzzt", "1"
  setVariable
  jump done
started:
  push "playkzzt", "1"
  setVariable
ended:
  push "qplaysj"
  getVariable
  push "totalZSJ"
  getVariable
  equals2
  not
  if done
  push "playkzzt", "0"
  setVariable
  jump done
notFound:
  push "playkzzt", "4"
  setVariable
  push "retryTimer"
  getVariable
  push 1, "clearInterval"
  callFunction
  pop
  push "retryTimer", 1000, "replay"
  getVariable
  push 2, "setInterval"
  callFunction
  setVariable
  jump done
invalidTime:
  push 0, "replay"
  callFunction
  pop
done:
}
setMember

; flash.external.ExternalInterface.addCallback("qurl", this, function () { return filename; });
; and so on, in this order, for qbfzt (playkzzt), qbfzsj (totalZSJ), qbfsj
; (qplaysj), qbfsjwb (totalplaysj), flvbfzt (scplayzt), huanchong (bufferLoads).
push "flash"
getVariable
push "external"
getMember
push "ExternalInterface"
getMember
storeRegister 1
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "filename"
  getVariable
  return
}
push r:2, "qurl", 3, r:1, "addCallback"
callMethod
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "playkzzt"
  getVariable
  return
}
push r:2, "qbfzt", 3, r:1, "addCallback"
callMethod
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "totalZSJ"
  getVariable
  return
}
push r:2, "qbfzsj", 3, r:1, "addCallback"
callMethod
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "qplaysj"
  getVariable
  return
}
push r:2, "qbfsj", 3, r:1, "addCallback"
callMethod
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "totalplaysj"
  getVariable
  return
}
push r:2, "qbfsjwb", 3, r:1, "addCallback"
callMethod
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "scplayzt"
  getVariable
  return
}
push r:2, "flvbfzt", 3, r:1, "addCallback"
callMethod
pop
function2 () registers 1 suppressThis suppressArguments suppressSuper {
  push "bufferLoads"
  getVariable
  return
}
push r:2, "huanchong", 3, r:1, "addCallback"
callMethod
pop

; qnowtext(); setInterval(bufferLoad, 1);
push 0, "qnowtext"
callFunction
pop
push 1, "bufferLoad"
getVariable
push 2, "setInterval"
callFunction
pop
