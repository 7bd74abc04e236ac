;;; orvo-dde.el --- Let the Orvo TeX workbench drive Emacs  -*- lexical-binding: t -*-

;; Orvo talks to its editor over the D-Bus session bus: it asks whether
;; anything is unsaved, has the editor save before a compile, brings it to
;; the front, cuts the marked region to the clipboard and pastes it back for
;; a block compile, asks for the file name and the region's first line, and
;; has it save and quit when Orvo ends.  Load this file (Orvo's Emacs profile
;; starts Emacs with "-l orvo-dde.el"; or put (load "/path/to/orvo-dde.el")
;; in your init file) and Emacs answers Orvo's Emacs profile:
;;
;;   executes   SaveAll  SaveAndQuit  Raise  CutRegion  PasteRegion
;;   requests   Changed ("Yes" or "No")  FileName  LineNumber
;;
;; Service S and topic T live at bus name "org.orvo.Dde." + S' and object
;; path "/" + T' (S' and T' in lower case, characters outside [a-z0-9_]
;; made "_"), interface "org.orvo.Dde", methods Execute(s) and
;; Request(s) -> s.

;;; Code:

(require 'dbus)
(require 'seq)
(require 'server)

(defvar orvo-dde-service "Emacs"
  "The service name Orvo's profile addresses (`DDEEditService').")

(defvar orvo-dde-topic "Editor"
  "The topic Orvo's profile addresses (`DDEEditTopic').")

(defconst orvo-dde-interface "org.orvo.Dde")

(defconst orvo-dde--introspection
  (concat "<node><interface name=\"org.orvo.Dde\">"
          "<method name=\"Execute\"><arg name=\"text\" type=\"s\" direction=\"in\"/></method>"
          "<method name=\"Request\"><arg name=\"item\" type=\"s\" direction=\"in\"/>"
          "<arg name=\"value\" type=\"s\" direction=\"out\"/></method>"
          "</interface></node>"))

(defvar orvo-dde--block nil
  "Where the last cut region was: (BUFFER START-MARKER LINE).")

(defun orvo-dde--name-part (name)
  "NAME as the bus spells it."
  (let ((part (replace-regexp-in-string "[^a-z0-9_]" "_" (downcase name) t t)))
    (if (string-match-p "\\`[0-9]" part) (concat "_" part) part)))

(defun orvo-dde--buffer ()
  "The buffer the user works in: that of the selected window."
  (window-buffer (selected-window)))

(defun orvo-dde--unsaved-p ()
  (seq-some (lambda (buffer) (and (buffer-file-name buffer) (buffer-modified-p buffer)))
            (buffer-list)))

(defun orvo-dde--to-clipboard (text)
  "Put TEXT on the desktop's clipboard where Emacs has no display of its own."
  (unless (display-graphic-p)
    (let ((tool (seq-find (lambda (candidate) (executable-find (car candidate)))
                          '(("wl-copy") ("xclip" "-selection" "clipboard") ("xsel" "--clipboard" "--input")))))
      (when (and tool (or (getenv "WAYLAND_DISPLAY") (getenv "DISPLAY")))
        (ignore-errors
          (with-temp-buffer
            (insert text)
            (apply #'call-process-region (point-min) (point-max) (car tool) nil 0 nil (cdr tool))))))))

(defun orvo-dde--cut-region ()
  (with-current-buffer (orvo-dde--buffer)
    (when (and mark-active (mark t))
      (let* ((start (region-beginning))
             (end (region-end))
             (text (buffer-substring-no-properties start end)))
        (setq orvo-dde--block (list (current-buffer) (copy-marker start) (line-number-at-pos start)))
        (kill-region start end)
        (orvo-dde--to-clipboard text)))))

(defun orvo-dde--paste-region ()
  (when orvo-dde--block
    (let ((buffer (nth 0 orvo-dde--block))
          (start (nth 1 orvo-dde--block)))
      (when (buffer-live-p buffer)
        (with-current-buffer buffer
          (save-excursion
            (goto-char start)
            (insert (current-kill 0 t))))))))

(defun orvo-dde--line-number ()
  "The first line of the region last cut, or of the region or point now."
  (with-current-buffer (orvo-dde--buffer)
    (if (and orvo-dde--block (eq (nth 0 orvo-dde--block) (current-buffer)))
        (nth 2 orvo-dde--block)
      (line-number-at-pos (if (and mark-active (mark t)) (region-beginning) (point))))))

(defun orvo-dde--raise ()
  (let ((frame (selected-frame)))
    (ignore-errors
      (raise-frame frame)
      (select-frame-set-input-focus frame))))

(defun orvo-dde--save-and-quit ()
  (save-some-buffers t)
  ;; After the reply has gone out, and without questions nobody could answer.
  (run-at-time 0 nil (lambda ()
                       (let ((confirm-kill-emacs nil)
                             (confirm-kill-processes nil))
                         (kill-emacs)))))

(defun orvo-dde--execute (text)
  "Handle one command of Orvo; unknown commands are acknowledged and ignored."
  (pcase (car (split-string text "[\r\n]"))
    ("SaveAll" (save-some-buffers t))
    ("SaveAndQuit" (orvo-dde--save-and-quit))
    ("Raise" (orvo-dde--raise))
    ("CutRegion" (orvo-dde--cut-region))
    ("PasteRegion" (orvo-dde--paste-region)))
  :ignore)

(defun orvo-dde--request (item)
  "The value of ITEM, or a refusal."
  (pcase item
    ("Changed" (if (orvo-dde--unsaved-p) "Yes" "No"))
    ("FileName" (or (buffer-file-name (orvo-dde--buffer)) ""))
    ("LineNumber" (number-to-string (orvo-dde--line-number)))
    (_ (list :error "org.orvo.Dde.Error.NoSuchItem" item))))

(defun orvo-dde-start ()
  "Offer `orvo-dde-service' with `orvo-dde-topic' on the session bus.
Returns nil when another program already offers it."
  (let ((service (concat "org.orvo.Dde." (orvo-dde--name-part orvo-dde-service)))
        (path (concat "/" (orvo-dde--name-part orvo-dde-topic))))
    (dbus-register-method :session service path orvo-dde-interface "Execute" #'orvo-dde--execute t)
    (dbus-register-method :session service path orvo-dde-interface "Request" #'orvo-dde--request t)
    (dbus-register-method :session service path dbus-interface-introspectable "Introspect"
                          (lambda () orvo-dde--introspection) t)
    (memq (dbus-register-service :session service :do-not-queue) '(:primary-owner :already-owner))))

;; The TeX programs open files at an error through emacsclient.
(unless (or (daemonp) (server-running-p))
  (ignore-errors (server-start)))

(condition-case err
    (unless (orvo-dde-start)
      (message "orvo-dde: another program answers Orvo already"))
  (dbus-error (message "orvo-dde: no session bus, Orvo cannot reach Emacs: %S" err)))

(provide 'orvo-dde)

;;; orvo-dde.el ends here
